// Selecting the current language and asking it for keywords.
#include "LanguageState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class CurrentLanguage : public ::testing::Test {
protected:
    void SetUp() override { ForgetCurrentLanguage(); }
};

// The exchange pass, not a stable sort, decides the order of keywords of equal
// length, and so which keyword the templates write.
TEST_F(CurrentLanguage, TheKeywordOfEachTypeFollowsTheSlotOrder)
{
    EXPECT_EQ(KeywordForType(XXXXXXXXX), u"") << "an empty language is all empty slots";
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(KeywordForType(SCENARIO), u"Scenario") << "before \"Example\", which is as long";
    ASSERT_TRUE(SetLanguage(u"en-old"));
    EXPECT_EQ(KeywordForType(THEN), u"Tha the");
    EXPECT_EQ(KeywordForType(WHEN), u"Tha");
    ASSERT_TRUE(SetLanguage(u"em"));
    EXPECT_EQ(KeywordForType(GIVEN), u"😐");
}

TEST_F(CurrentLanguage, EveryLanguageSortsLongestFirstLosingNothing)
{
    for (const LanguageKeywords& record : languageTable) {
        SCOPED_TRACE(testing::PrintToString(record.code));
        ASSERT_TRUE(SetLanguage(record.code));
        const auto& slots = currentLanguage.keywords;
        std::multiset<std::pair<int, std::u16string>> before, after;
        for (int i = 0; i < KEYWORD_SLOTS; ++i) {
            if (i > 0) {
                EXPECT_GE(slots[i - 1].keyword.size(), slots[i].keyword.size()) << "slot " << i;
            }
            before.emplace(record.keywords[i].type, record.keywords[i].keyword);
            after.emplace(slots[i].type, slots[i].keyword);
        }
        EXPECT_EQ(before, after);
    }
}

// Only an exact code selects; the setting's road records even a code no
// language has, and the keywords stay.
TEST_F(CurrentLanguage, RejectsCodesThatAreNotExactButTheSettingRecordsThem)
{
    ASSERT_TRUE(SetLanguage(u"fr"));
    for (const char16_t* code : { u"EN", u"", u"en-GB", u"en " })
        EXPECT_FALSE(SetLanguage(code)) << testing::PrintToString(code);
    EXPECT_EQ(currentLanguageCode, u"fr");
    ASSERT_TRUE(SetLanguage(u"en-au"));
    const auto& slots = currentLanguage.keywords;
    EXPECT_EQ(std::count_if(slots.begin(), slots.end(), [](const auto& s) { return !s.keyword.empty(); }), 11)
        << "no French keyword may stay behind";
    SelectLanguageSetting(u"xx-unknown");
    EXPECT_EQ(currentLanguageCode, u"xx-unknown");
    EXPECT_EQ(currentLanguage.code, u"en-au");
}

} // namespace
