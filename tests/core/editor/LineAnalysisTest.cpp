#include "EditorTestSupport.h"

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

// How the context pass types whole files is in the golden files (tests/golden).
// Here: it starts from the classified types every time, so reading only the
// edited line is enough for the lines below to follow.
TEST_F(LineAnalysisTest, TypesInContextFollowTheLinesAboveWhicheverLinesWereRead)
{
    LineAnalysis a = Analysed(Crlf({ u"Feature: f", u"description", u"more", u"\"\"\"", u"inside" }));
    ASSERT_EQ(TypesOf(a),
        (std::vector<LineType> {
            FEATURE_LINE, COMMENT_LINE, COMMENT_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE }));

    const struct {
        const char* name;
        std::vector<std::u16string_view> lines;
        int edited;
        std::vector<LineType> types;
    } edits[] = {
        { "the heading becomes text", { u"plain", u"description", u"more", u"\"\"\"", u"inside" }, 0,
            { TEXT_LINE, TEXT_LINE, TEXT_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE } },
        { "a rule again", { u"Rule: r", u"description", u"more", u"\"\"\"", u"inside" }, 0,
            { SCENARIO_LINE, COMMENT_LINE, COMMENT_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE } },
        { "a step above the description", { u"Rule: r", u"Given g", u"more", u"\"\"\"", u"inside" }, 1,
            { SCENARIO_LINE, STEP_LINE, TEXT_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE } },
        { "the delimiter goes", { u"Rule: r", u"Given g", u"more", u"x", u"inside" }, 3,
            { SCENARIO_LINE, STEP_LINE, TEXT_LINE, TEXT_LINE, TEXT_LINE } },
    };
    for (const auto& edit : edits) {
        a.AnalyseLines(TextLineSource(Crlf(edit.lines)), edit.edited, edit.edited + 1);
        EXPECT_EQ(TypesOf(a), edit.types) << edit.name;
        EXPECT_EQ(a.classifiedType[2], TEXT_LINE) << edit.name;
    }

    // A shorter text leaves old entries in the tables, but they no longer count.
    a.AnalyseAll(TextLineSource(u"#include a"));
    EXPECT_EQ(a.TypeOf(0), INCLUDE_LINE);
    EXPECT_EQ(a.TypeOf(2), NOT_ANALYSED);
    EXPECT_EQ(a.TypeOf(-1), NOT_ANALYSED);
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
