// The current language: selecting it, asking it for keywords, judging lines
// against it, and the "# language:" first line of a document that selects it.
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"
#include "core/language/LineClassifier.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each test starts as the program does, before any language is selected.
class CurrentLanguage : public ::testing::Test {
protected:
    void SetUp() override
    {
        currentLanguage = LanguageKeywords {};
        currentLanguageCode.clear();
    }
};

// Selected one after another, so that a slot the last language left behind
// shows; only an exact code selects.
TEST_F(CurrentLanguage, EveryLanguageSelectedByItsExactCodeSortsLongestFirstAndKeepsNothingOfTheLast)
{
    const auto same = [](const KeywordEntry& a, const KeywordEntry& b) {
        return a.type == b.type && a.keyword == b.keyword;
    };
    const auto longer
        = [](const KeywordEntry& a, const KeywordEntry& b) { return a.keyword.size() > b.keyword.size(); };
    for (const LanguageKeywords& record : languageTable) {
        SCOPED_TRACE(testing::PrintToString(record.code));
        ASSERT_TRUE(SetLanguage(record.code));
        const auto& sorted = currentLanguage.keywords;
        EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), longer));
        EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), record.keywords.begin(), same));
    }
    ASSERT_TRUE(SetLanguage(u"fr"));
    for (const char16_t* code : { u"EN", u"", u"en-GB", u"en " })
        EXPECT_FALSE(SetLanguage(code)) << testing::PrintToString(code);
    EXPECT_EQ(currentLanguageCode, u"fr");
}

// Lines files hold are in the golden files (tests/golden), a bare keyword's
// trailing blank trimmed away in tamil; these are lines no file can hold.
TEST_F(CurrentLanguage, ClassifiesLinesNoFileHolds)
{
    std::u16string keyword;
    // Before any language is selected only the markers are known.
    EXPECT_EQ(ClassifyLine(u"Given x", keyword), TEXT_LINE);
    EXPECT_EQ(ClassifyLine(u"* x", keyword), STEP_LINE);
    EXPECT_EQ(keyword, u"*");
    EXPECT_EQ(ClassifyLine(u"#include f", keyword), INCLUDE_LINE);
    EXPECT_EQ(keyword, u"#include");
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(ClassifyLine(u"\rGiven x", keyword), TEXT_LINE) << "a carriage return is no blank";
    EXPECT_EQ(keyword, u"");
}

// Directives that name a language, or are none, are in the golden files
// (language-*, emoji, french); here what stays when none is named, and which
// first line counts. The unknown name's message is quillmark-cli's to show.
TEST_F(CurrentLanguage, DirectiveOnAFirstLineClosedByABreakSelectsOrReportsTheName)
{
    // A first line, the name no language has that it gives back, leaving the language as it was.
    const std::pair<std::u16string, std::u16string> cases[] = {
        { u"# language: fr # comment", u"fr # comment" },
        // Lone surrogates, one before a pair, one at the end, come back as they stood.
        { u"# language: \xDC00x\xD83D\xD83D\xDE00\xDBFF", u"\xDC00x\xD83D\xD83D\xDE00\xDBFF" },
        { u"# language:   \r", u" " }, // white space gives one character back
    };
    for (const auto& [firstLine, unknownName] : cases) {
        SCOPED_TRACE(testing::PrintToString(firstLine));
        ASSERT_TRUE(SetLanguage(u"nl")); // a language no directive names, to see what stays
        EXPECT_EQ(ApplyLanguageDirective(firstLine), unknownName);
        EXPECT_EQ(currentLanguageCode, u"nl");
        EXPECT_EQ(currentLanguage.code, u"nl");
    }
    // An endless line: the matcher searches only its start, and the name stays readable.
    const auto name = ApplyLanguageDirective(u"# language: " + std::u16string(1'000'000, u'x'));
    ASSERT_TRUE(name.has_value());
    EXPECT_LT(name->size(), 2000u);

    // A text whose first line no break closes, or that starts with a break,
    // keeps its language; a first line without a directive is English.
    ASSERT_TRUE(SetLanguage(u"nl"));
    EXPECT_EQ(ApplyDocumentLanguage(u"# language: fr"), std::nullopt);
    EXPECT_EQ(ApplyDocumentLanguage(u"\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"nl");
    EXPECT_EQ(ApplyDocumentLanguage(u"Feature: x\r\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"en");
}

} // namespace
