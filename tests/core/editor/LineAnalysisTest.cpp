#include "EditorTestSupport.h"

#include "core/editor/IncludeLine.h"

#include <vector>

namespace {

using LineAnalysisTest = English;

std::vector<LineType> TypesOf(const LineAnalysis& analysis)
{
    return { analysis.lineType.begin(), analysis.lineType.begin() + analysis.analysedLineCount };
}

TEST_F(LineAnalysisTest, EntriesHoldTextStartAndTheKeywordsFirstOccurrence)
{
    // A lone LF, a lone CR and CR LF each end a line, and each counts one position.
    const LineAnalysis a = Analysed(u"Feature: f\n \tAnd And again\r  | a | b |\r\nplain\r\n");
    ASSERT_EQ(a.analysedLineCount, 5);
    EXPECT_EQ(a.lineText[0], u"Feature: f\r");
    EXPECT_EQ(a.lineText[4], u"");
    EXPECT_EQ(a.lineStart[1], 11);
    EXPECT_EQ(a.lineStart[4], 11 + 16 + 12 + 6);
    // The same word later in the line must not move the keyword.
    EXPECT_EQ(std::pair(a.lineKeyword[1], a.keywordPosition[1]), std::pair(std::u16string(u"And"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[2], a.keywordPosition[2]), std::pair(std::u16string(u"|"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[3], a.keywordPosition[3]), std::pair(std::u16string(), 0));
}

TEST_F(LineAnalysisTest, ContextPassGivesEachLineItsRoleInContext)
{
    const std::u16string_view Q = u"\"\"\"";
    const LineType DELIMITER = DOC_STRING_DELIMITER_LINE, DOC = DOC_STRING_LINE;
    const struct {
        std::vector<std::u16string_view> lines;
        std::vector<LineType> expected;
    } cases[] = {
        { { u"" }, { TEXT_LINE } },
        // Description text runs from any heading kind but Examples up to the first step.
        { { u"loose", u"Feature: f", u"  As a user", u"", u"Scenario: s", u"more", u"  Given g", u"after" },
            { TEXT_LINE, FEATURE_LINE, COMMENT_LINE, COMMENT_LINE, SCENARIO_LINE, COMMENT_LINE, STEP_LINE,
                TEXT_LINE } },
        { { u"Background:", u"b", u"* s", u"Rule: r", u"r", u"Scenario Outline: o", u"o", u"Given g",
              u"Examples:", u"t" },
            { BACKGROUND_LINE, COMMENT_LINE, STEP_LINE, SCENARIO_LINE, COMMENT_LINE, SCENARIO_OUTLINE_LINE,
                COMMENT_LINE, STEP_LINE, EXAMPLES_LINE, TEXT_LINE } },
        { { u"Feature: f", u"# c", u"@t", u"| a |", u"Examples:", u"#include x", u"still description" },
            { FEATURE_LINE, COMMENT_LINE, TAG_LINE, TABLE_LINE, EXAMPLES_LINE, INCLUDE_LINE, COMMENT_LINE } },
        // Doc strings: backticks open none; text between delimiters only; an unclosed one runs to the end.
        { { u"Given g", u"```", u"x", Q, u"inside", u"", Q, u"after", u"  \"\"\"json", u"{" },
            { STEP_LINE, TEXT_LINE, TEXT_LINE, DELIMITER, DOC, DOC, DELIMITER, TEXT_LINE, DELIMITER, DOC } },
        // The doc-string type wins over description, which goes on after the doc string.
        { { u"Feature: f", Q, u"x", Q, u"y" }, { FEATURE_LINE, DELIMITER, DOC, DELIMITER, COMMENT_LINE } },
        // Recognised lines inside a doc string keep their type and still move the flags.
        { { u"Given g", Q, u"Scenario: inside", u"| cell |", u"text", Q, u"after" },
            { STEP_LINE, DELIMITER, SCENARIO_LINE, TABLE_LINE, DOC, DELIMITER, COMMENT_LINE } },
        { { u"Feature: f", Q, u"* step", Q, u"y" },
            { FEATURE_LINE, DELIMITER, STEP_LINE, DELIMITER, TEXT_LINE } },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TypesOf(Analysed(Crlf(cases[i].lines))), cases[i].expected);
    }
}

TEST_F(LineAnalysisTest, AConvertedLineKeepsItsTypeUntilItIsReadAgain)
{
    LineAnalysis a = Analysed(Crlf({ u"Feature: f", u"description", u"#include x" }));
    ASSERT_EQ(a.lineType[1], COMMENT_LINE);

    // Only the edited line is read again: the line below no longer follows a heading, yet stays a comment.
    const TextLineSource source(Crlf({ u"plain text", u"description", u"#include x" }));
    a.AnalyseLines(source, 0, 1);
    EXPECT_EQ(TypesOf(a), (std::vector<LineType> { TEXT_LINE, COMMENT_LINE, INCLUDE_LINE }));
    EXPECT_EQ(a.lineKeyword[0], u"");
    a.AnalyseLines(source, 1, 2);
    EXPECT_EQ(a.lineType[1], TEXT_LINE);
    // The context pass runs over all lines, whatever the range read.
    a.AnalyseLines(TextLineSource(Crlf({ u"Rule: r", u"description", u"#include x" })), 0, 1);
    EXPECT_EQ(a.lineType[1], COMMENT_LINE);

    // A shorter text leaves old entries in the tables, but they no longer count.
    a.AnalyseAll(TextLineSource(u"#include a"));
    EXPECT_TRUE(IsIncludeLine(a, 0));
    EXPECT_FALSE(IsIncludeLine(a, 2));
    EXPECT_FALSE(IsIncludeLine(a, -1));
}

TEST_F(LineAnalysisTest, LinesAreReadInFullButNoLineBeyondTheLimit)
{
    const std::u16string longStep = u"    Given " + std::u16string(5000, u'x');
    std::u16string text = longStep;
    for (int i = 0; i < 2500; ++i)
        text += u"\r\nThen t";
    const TextLineSource source(text);
    LineAnalysis a;
    a.AnalyseLines(source, 0, source.lineCount());
    EXPECT_EQ(a.lineText[0], longStep + u"\r");
    EXPECT_EQ(a.lineType[0], STEP_LINE);
    EXPECT_EQ(a.lineStart[1], static_cast<int>(longStep.size()) + 1);
    EXPECT_EQ(a.lineKeyword[1], u"Then");

    EXPECT_EQ(a.analysedLineCount, MAX_ANALYSED_LINES);
    EXPECT_EQ(a.TypeOf(MAX_ANALYSED_LINES - 1), STEP_LINE);
    EXPECT_EQ(a.TypeOf(MAX_ANALYSED_LINES), NOT_ANALYSED);
    a.AnalyseLine(source, MAX_ANALYSED_LINES + 10);
    EXPECT_LE(a.lineType.size(), static_cast<std::size_t>(MAX_ANALYSED_LINES));
}

} // namespace
