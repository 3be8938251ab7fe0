// Selecting the current language and asking it for keywords.
#include "LanguageState.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

class CurrentLanguage : public ::testing::Test {
protected:
    void SetUp() override { ForgetCurrentLanguage(); }
};

TEST_F(CurrentLanguage, StartsEmpty)
{
    EXPECT_TRUE(CurrentKeywords().empty());
    EXPECT_EQ(KeywordForType(GIVEN), u"WORD TYPE NOT FOUND");
    EXPECT_EQ(KeywordForType(XXXXXXXXX), u"") << "an empty language is all empty slots";
}

// The exchange pass, not a stable sort, decides the order of keywords of equal length.
TEST_F(CurrentLanguage, EnglishAndGermanSlotOrders)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(CurrentKeywords(),
        (std::vector<std::u16string> { u"Scenario Outline", u"Background", u"Scenario", u"Examples",
            u"Feature", u"Example", u"Ability", u"Given", u"Rule", u"Then", u"When", u"But", u"And" }));

    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(CurrentKeywords(),
        (std::vector<std::u16string> { u"Szenariogrundriss", u"Voraussetzungen", u"Funktionalität",
            u"Vorbedingungen", u"Gegeben seien", u"Hintergrund", u"Gegeben sei", u"Angenommen", u"Beispiele",
            u"Grundlage", u"Szenarien", u"Beispiel", u"Funktion", u"Szenario", u"Regel", u"Rule", u"Aber",
            u"Dann", u"Wenn", u"Und" }));
}

TEST_F(CurrentLanguage, EveryLanguageSortsLongestFirstLosingNothing)
{
    for (const LanguageKeywords& record : languageTable) {
        SCOPED_TRACE(Ascii(record.code));
        ASSERT_TRUE(SetLanguage(record.code));
        std::multiset<std::pair<int, std::u16string>> before, after;
        for (int i = 0; i < KEYWORD_SLOTS; ++i) {
            const auto& slots = currentLanguage.keywords;
            if (i > 0) {
                EXPECT_GE(slots[i - 1].keyword.size(), slots[i].keyword.size()) << "slot " << i;
            }
            before.emplace(record.keywords[i].type, record.keywords[i].keyword);
            after.emplace(slots[i].type, slots[i].keyword);
        }
        EXPECT_EQ(before, after);
        EXPECT_EQ(KeywordForType(XXXXXXXXX), u"");
    }
}

TEST_F(CurrentLanguage, RejectsCodesThatAreNotExactAndKeepsTheCurrentOne)
{
    ASSERT_TRUE(SetLanguage(u"fr"));
    for (const char16_t* code : { u"EN", u"", u"en-GB", u"en ", u"e", u"zh" }) {
        EXPECT_FALSE(SetLanguage(code)) << Ascii(code);
        EXPECT_EQ(currentLanguageCode, u"fr");
        EXPECT_EQ(KeywordForType(GIVEN), u"Étant donné que");
    }
    ASSERT_TRUE(SetLanguage(u"en-au"));
    EXPECT_EQ(CurrentKeywords().size(), 11u) << "no French keyword may stay behind";
}

TEST_F(CurrentLanguage, KeywordForTypeTakesTheFirstSortedSlotOfTheType)
{
    const struct {
        const char16_t* code;
        WordType type;
        const char16_t* keyword;
    } cases[] = {
        { u"de", SCENARIO, u"Beispiel" },
        { u"de", SCENARIOOUTLINE, u"Szenariogrundriss" },
        { u"de", RULE, u"Regel" },
        { u"fr", BUT, u"Mais que" },
        { u"fr", WHEN, u"Lorsque" },
        { u"fr", SCENARIOOUTLINE, u"Plan du scénario" },
        { u"en-old", THEN, u"Tha the" },
        { u"en-old", WHEN, u"Tha" },
        { u"em", SCENARIO, u"🥒" },
        { u"em", GIVEN, u"😐" },
        { u"em", RULE, u"Rule" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetLanguage(c.code)) << Ascii(c.code);
        EXPECT_EQ(KeywordForType(c.type), c.keyword) << Ascii(c.code) << " type " << c.type;
    }
}

} // namespace
