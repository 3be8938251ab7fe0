// Judging single lines against the current language.
#include "core/language/LineClassifier.h"

#include "LanguageState.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char16_t* line;
    LineType type;
    const char16_t* keyword;
};

// Prints a case so that a failure names the line it was about.
std::string Describe(const LineCase& c)
{
    std::string text;
    for (const char16_t* p = c.line; *p; ++p) {
        if (*p >= 0x20 && *p < 0x7F)
            text += static_cast<char>(*p);
        else
            text += "\\u" + std::to_string(static_cast<unsigned>(*p));
    }
    return "line \"" + text + "\"";
}

void ExpectClassified(const std::u16string& language, std::initializer_list<LineCase> cases)
{
    ForgetCurrentLanguage();
    if (!language.empty()) {
        ASSERT_TRUE(SetLanguage(language));
    }
    for (const LineCase& c : cases) {
        std::u16string keyword;
        EXPECT_EQ(ClassifyLine(c.line, keyword), c.type) << Describe(c);
        EXPECT_EQ(keyword, c.keyword) << Describe(c);
    }
}

TEST(ClassifyLine, BlankLinesAreText)
{
    ExpectClassified(u"en",
        {
            { u"", TEXT_LINE, u"" },
            { u"   \t  ", TEXT_LINE, u"" },
            { u"\r", TEXT_LINE, u"" },
            { u"  \t\r", TEXT_LINE, u"" },
            { u"\n", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, BlankLineLeavesTheKeywordAsPassed)
{
    ForgetCurrentLanguage();
    ASSERT_TRUE(SetLanguage(u"en"));
    std::u16string keyword = u"kept";
    EXPECT_EQ(ClassifyLine(u" \t ", keyword), TEXT_LINE);
    EXPECT_EQ(keyword, u"kept");
}

TEST(ClassifyLine, EnglishKeywordsAtTheStartOfTheLine)
{
    ExpectClassified(u"en",
        {
            { u"Feature: eat", FEATURE_LINE, u"Feature" },
            { u"Ability: x", FEATURE_LINE, u"Ability" },
            { u"  Background:\r", BACKGROUND_LINE, u"Background" },
            { u"Scenario Outline: eat", SCENARIO_OUTLINE_LINE, u"Scenario Outline" },
            { u"Scenario: eat", SCENARIO_LINE, u"Scenario" },
            { u"Example: eat", SCENARIO_LINE, u"Example" },
            { u"Examples:", EXAMPLES_LINE, u"Examples" },
            { u"Rule: r", SCENARIO_LINE, u"Rule" },
            { u"    Given I have 3 apples", STEP_LINE, u"Given" },
            { u"\tWhen I eat\r", STEP_LINE, u"When" },
            { u"Then", STEP_LINE, u"Then" },
            { u"  And more", STEP_LINE, u"And" },
            { u"But not", STEP_LINE, u"But" },
        });
}

TEST(ClassifyLine, OnlyThePrefixCountsAndCaseMatters)
{
    ExpectClassified(u"en",
        {
            // No colon and no word boundary is needed.
            { u"Scenarios: x", SCENARIO_LINE, u"Scenario" },
            { u"Scenario", SCENARIO_LINE, u"Scenario" },
            { u"Andrew said", STEP_LINE, u"And" },
            { u"Scenario Outlines", SCENARIO_OUTLINE_LINE, u"Scenario Outline" },
            { u"Scenario  Outline: two blanks", SCENARIO_LINE, u"Scenario" },
            { u"given I have", TEXT_LINE, u"" },
            { u"GIVEN I have", TEXT_LINE, u"" },
            { u"Give", TEXT_LINE, u"" },
            { u"Giving up", TEXT_LINE, u"" },
            { u"I am Given", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, OnlyBlankAndTabAreTrimmed)
{
    ExpectClassified(u"en",
        {
            { u"\u00A0Given x", TEXT_LINE, u"" },
            { u"\u3000Given x", TEXT_LINE, u"" },
            { u"\rGiven x", TEXT_LINE, u"" },
            { u"\vGiven x", TEXT_LINE, u"" },
            { u" \t \tGiven x", STEP_LINE, u"Given" },
        });
}

TEST(ClassifyLine, Markers)
{
    ExpectClassified(u"en",
        {
            { u"| a | b |", TABLE_LINE, u"|" },
            { u"  |x|\r", TABLE_LINE, u"|" },
            { u"* I eat", STEP_LINE, u"*" },
            { u"*", STEP_LINE, u"*" },
            { u"@smoke @slow", TAG_LINE, u"@" },
            { u"# language: fr", COMMENT_LINE, u"#" },
            { u"#include data.csv", INCLUDE_LINE, u"#include" },
            { u"  #include\r", INCLUDE_LINE, u"#include" },
            { u"#Include data.csv", COMMENT_LINE, u"#" },
            { u"#includ", COMMENT_LINE, u"#" },
            { u"\"\"\"", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
            { u"    \"\"\"json\r", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
            { u"\"\"", TEXT_LINE, u"" },
            { u"```", TEXT_LINE, u"" },
            { u"x | y", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, KeywordsWinOverMarkers)
{
    // No built-in keyword begins with a marker, so this takes a made-up
    // language; the current language is plain data.
    ForgetCurrentLanguage();
    currentLanguage.keywords[0] = { GIVEN, u"#given" };
    std::u16string keyword;
    EXPECT_EQ(ClassifyLine(u"#given x", keyword), STEP_LINE);
    EXPECT_EQ(keyword, u"#given");
    keyword.clear();
    EXPECT_EQ(ClassifyLine(u"#give x", keyword), COMMENT_LINE);
    EXPECT_EQ(keyword, u"#");
}

TEST(ClassifyLine, MarkersWorkBeforeAnyLanguage)
{
    ExpectClassified(u"",
        {
            { u"Given x", TEXT_LINE, u"" },
            { u"Feature: x", TEXT_LINE, u"" },
            { u"* x", STEP_LINE, u"*" },
            { u"| a |", TABLE_LINE, u"|" },
            { u"@tag", TAG_LINE, u"@" },
            { u"# c", COMMENT_LINE, u"#" },
            { u"#include f", INCLUDE_LINE, u"#include" },
            { u"\"\"\"", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
        });
}

TEST(ClassifyLine, GermanLongestKeywordWins)
{
    ExpectClassified(u"de",
        {
            { u"Beispiele:", EXAMPLES_LINE, u"Beispiele" },
            { u"Beispiel:", SCENARIO_LINE, u"Beispiel" },
            { u"Szenariogrundriss: x", SCENARIO_OUTLINE_LINE, u"Szenariogrundriss" },
            { u"Szenarien: x", SCENARIO_OUTLINE_LINE, u"Szenarien" },
            { u"Szenario: x", SCENARIO_LINE, u"Szenario" },
            { u"Gegeben seien x", STEP_LINE, u"Gegeben seien" },
            { u"Gegeben sei x", STEP_LINE, u"Gegeben sei" },
            { u"Funktionalität: x", FEATURE_LINE, u"Funktionalität" },
            { u"Regel: r", SCENARIO_LINE, u"Regel" },
            { u"Rule: r", SCENARIO_LINE, u"Rule" },
            // Only the current language's keywords are known.
            { u"Feature: x", TEXT_LINE, u"" },
            { u"Given x", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, SpanishSingleLetterE)
{
    ExpectClassified(u"es",
        {
            { u"Ejemplos:", EXAMPLES_LINE, u"Ejemplos" },
            { u"Ejemplo:", SCENARIO_LINE, u"Ejemplo" },
            { u"Escenario:", SCENARIO_LINE, u"Escenario" },
            { u"Entonces x", STEP_LINE, u"Entonces" },
            { u"En la tienda", STEP_LINE, u"E" },
            { u"E", STEP_LINE, u"E" },
            { u"e minúscula", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, TamilKeywordKeepsItsBlank)
{
    ExpectClassified(u"ta",
        {
            { u"மேலும் x", STEP_LINE, u"மேலும் " },
            { u"  ஆனால் x", STEP_LINE, u"ஆனால் " },
            // Trimming takes the blank the keyword needs.
            { u"மேலும்", TEXT_LINE, u"" },
            { u"மேலும் ", TEXT_LINE, u"" },
            { u"ஆனால்x", TEXT_LINE, u"" },
        });
}

TEST(ClassifyLine, SurrogatePairKeywords)
{
    ExpectClassified(u"em",
        {
            { u"📖 outline", SCENARIO_OUTLINE_LINE, u"📖" },
            { u"📕 book", SCENARIO_LINE, u"📕" },
            { u"😐 given", STEP_LINE, u"😐" },
            // The same high surrogate with another low one is another character.
            { u"😑 not a keyword", TEXT_LINE, u"" },
            { u"Rule: r", SCENARIO_LINE, u"Rule" },
        });
}

TEST(ClassifyLine, OneKeywordUnderTwoTypesTakesTheSortedFirst)
{
    ForgetCurrentLanguage();
    ASSERT_TRUE(SetLanguage(u"en-old"));
    std::u16string keyword;
    EXPECT_EQ(ClassifyLine(u"Tha the x", keyword), STEP_LINE);
    EXPECT_EQ(keyword, u"Tha the");
    keyword.clear();
    EXPECT_EQ(ClassifyLine(u"7 x", keyword), STEP_LINE);
    EXPECT_EQ(keyword, u"7");
}

} // namespace
