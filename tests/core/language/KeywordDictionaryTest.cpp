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
    EXPECT_TRUE(currentLanguage.code.empty());
    EXPECT_EQ(KeywordForType(GIVEN), u"WORD TYPE NOT FOUND");
    EXPECT_EQ(KeywordForType(XXXXXXXXX), u"") << "an empty language is all empty slots";
}

TEST_F(CurrentLanguage, EnglishIsOrderedLongestFirst)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(currentLanguageCode, u"en");
    EXPECT_EQ(currentLanguage.code, u"en");
    EXPECT_EQ(currentLanguage.englishName, u"English");
    EXPECT_EQ(CurrentKeywords(),
        (std::vector<std::u16string> { u"Scenario Outline", u"Background", u"Scenario", u"Examples",
            u"Feature", u"Example", u"Ability", u"Given", u"Rule", u"Then", u"When", u"But", u"And" }));
    // The types travel with their keywords.
    EXPECT_EQ(currentLanguage.keywords[0].type, SCENARIOOUTLINE);
    EXPECT_EQ(currentLanguage.keywords[5].type, SCENARIO);
    EXPECT_EQ(currentLanguage.keywords[6].type, FEATURE);
    for (int i = 13; i < KEYWORD_SLOTS; ++i)
        EXPECT_EQ(currentLanguage.keywords[i].type, XXXXXXXXX) << "slot " << i;
}

TEST_F(CurrentLanguage, GermanOrderPutsBeispieleBeforeBeispiel)
{
    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(CurrentKeywords(),
        (std::vector<std::u16string> { u"Szenariogrundriss", u"Voraussetzungen", u"Funktionalität",
            u"Vorbedingungen", u"Gegeben seien", u"Hintergrund", u"Gegeben sei", u"Angenommen", u"Beispiele",
            u"Grundlage", u"Szenarien", u"Beispiel", u"Funktion", u"Szenario", u"Regel", u"Rule", u"Aber",
            u"Dann", u"Wenn", u"Und" }));
    EXPECT_EQ(currentLanguage.keywords[8].type, EXAMPLES);
    EXPECT_EQ(currentLanguage.keywords[10].type, SCENARIOOUTLINE);
    EXPECT_EQ(currentLanguage.keywords[11].type, SCENARIO);
}

TEST_F(CurrentLanguage, EmojiKeywordsFollowRule)
{
    ASSERT_TRUE(SetLanguage(u"em"));
    EXPECT_EQ(currentLanguage.keywords[0].keyword, u"Rule");
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(currentLanguage.keywords[i].keyword.size(), 2u) << "slot " << i;
    EXPECT_TRUE(currentLanguage.keywords[12].keyword.empty());
}

TEST_F(CurrentLanguage, EveryLanguageSortsByNonIncreasingLength)
{
    for (const LanguageKeywords& record : languageTable) {
        ASSERT_TRUE(SetLanguage(record.code)) << Ascii(record.code);
        EXPECT_EQ(currentLanguageCode, record.code);
        for (int i = 1; i < KEYWORD_SLOTS; ++i)
            EXPECT_GE(
                currentLanguage.keywords[i - 1].keyword.size(), currentLanguage.keywords[i].keyword.size())
                << Ascii(record.code) << " slot " << i;
        // Nothing is lost or invented by the reordering.
        std::multiset<std::pair<int, std::u16string>> before, after;
        for (int i = 0; i < KEYWORD_SLOTS; ++i) {
            before.emplace(record.keywords[i].type, record.keywords[i].keyword);
            after.emplace(currentLanguage.keywords[i].type, currentLanguage.keywords[i].keyword);
        }
        EXPECT_EQ(before, after) << Ascii(record.code);
        EXPECT_EQ(KeywordForType(XXXXXXXXX), u"") << Ascii(record.code);
    }
}

TEST_F(CurrentLanguage, RejectsCodesThatAreNotExact)
{
    ASSERT_TRUE(SetLanguage(u"fr"));
    for (const char16_t* code : { u"EN", u"", u"en-GB", u"en ", u"e", u"zh" }) {
        EXPECT_FALSE(SetLanguage(code)) << Ascii(code);
        EXPECT_EQ(currentLanguageCode, u"fr");
        EXPECT_EQ(currentLanguage.code, u"fr");
        EXPECT_EQ(KeywordForType(GIVEN), u"Étant donné que");
    }
    ForgetCurrentLanguage();
    EXPECT_FALSE(SetLanguage(u"xx"));
    EXPECT_TRUE(currentLanguageCode.empty()) << "a rejected code is not remembered";
    EXPECT_TRUE(CurrentKeywords().empty());
}

TEST_F(CurrentLanguage, SwitchingReplacesTheWholeRecord)
{
    ASSERT_TRUE(SetLanguage(u"fr"));
    ASSERT_TRUE(SetLanguage(u"en-au"));
    EXPECT_EQ(CurrentKeywords().size(), 11u) << "no French keyword may stay behind";
    EXPECT_EQ(currentLanguage.nativeName, u"Australian");
}

struct KeywordCase {
    const char16_t* code;
    WordType type;
    const char16_t* keyword;
};

TEST_F(CurrentLanguage, KeywordForTypeTakesTheFirstSlotOfTheType)
{
    const KeywordCase cases[] = {
        { u"en", FEATURE, u"Feature" },
        { u"en", SCENARIO, u"Scenario" },
        { u"en", SCENARIOOUTLINE, u"Scenario Outline" },
        { u"en", GIVEN, u"Given" },
        { u"en", RULE, u"Rule" },
        { u"de", BACKGROUND, u"Voraussetzungen" },
        { u"de", GIVEN, u"Gegeben seien" },
        { u"de", SCENARIO, u"Beispiel" },
        { u"de", SCENARIOOUTLINE, u"Szenariogrundriss" },
        { u"de", RULE, u"Regel" },
        { u"fr", GIVEN, u"Étant donné que" },
        { u"fr", AND, u"Et qu'" },
        { u"fr", BUT, u"Mais que" },
        { u"fr", WHEN, u"Lorsque" },
        { u"fr", SCENARIOOUTLINE, u"Plan du scénario" },
        { u"en-old", THEN, u"Tha the" },
        { u"en-old", WHEN, u"Tha" },
        { u"em", SCENARIO, u"🥒" },
        { u"em", GIVEN, u"😐" },
    };
    for (const KeywordCase& c : cases) {
        ASSERT_TRUE(SetLanguage(c.code)) << Ascii(c.code);
        EXPECT_EQ(KeywordForType(c.type), c.keyword) << Ascii(c.code) << " type " << c.type;
    }
}

} // namespace
