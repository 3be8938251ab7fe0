#include "EditorTestSupport.h"

#include "core/editor/PopupRules.h"

#include <vector>

namespace {

using LineAnalysisTest = English;

// The same word later in the line must not move the keyword.
TEST_F(LineAnalysisTest, EntriesHoldTheKeywordAndWhereItFirstStands)
{
    const LineAnalysis a = Analysed(Crlf({ u" \tAnd And again", u"  | a | b |", u"plain" }));
    EXPECT_EQ(std::pair(a.lineKeyword[0], a.keywordPosition[0]), std::pair(std::u16string(u"And"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[1], a.keywordPosition[1]), std::pair(std::u16string(u"|"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[2], a.keywordPosition[2]), std::pair(std::u16string(), 0));
}

// How the context pass types whole files is in the golden files (tests/golden).
// Here: it starts from the classified types every time, so reading only the
// edited line is enough for the lines below to follow.
TEST_F(LineAnalysisTest, TypesInContextFollowTheLinesAboveWhicheverLinesWereRead)
{
    LineAnalysis a = Analysed(Crlf({ u"Feature: f", u"description", u"more", u"\"\"\"", u"inside" }));

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
        EXPECT_EQ(std::vector(a.lineType.begin(), a.lineType.begin() + a.analysedLineCount), edit.types)
            << edit.name;
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

    EXPECT_EQ(a.analysedLineCount, MAX_ANALYSED_LINES);
    a.AnalyseLine(source, MAX_ANALYSED_LINES + 10);
    EXPECT_LE(a.lineType.size(), static_cast<std::size_t>(MAX_ANALYSED_LINES));
}

// The pop-up's Table, String and Edit Include File items, asked of the tables.
TEST_F(LineAnalysisTest, PopupItemsFollowTheLineAndTheLineBelow)
{
    const std::u16string text = Crlf({
        u"Feature: Pop-up", // 0
        u"  Scenario Outline: Cases", // 1
        u"    Given a table", // 2
        u"      | a | b |", // 3
        u"    When a string", // 4
        u"      \"\"\"", // 5
        u"      text", // 6
        u"      \"\"\"", // 7
        u"    Then nothing follows", // 8
        u"  Examples:", // 9
        u"\t  #include \"data.csv\"", // 10
        u"    And the last line", // 11
    });
    const LineAnalysis a = Analysed(text);
    const struct {
        int line;
        bool table, string, include;
    } cases[] = {
        { 0, false, false, false }, // a heading
        { 2, true, false, false }, // a step before a table
        { 3, true, false, false }, // a table row
        { 4, false, true, false }, // a step before a doc string
        { 5, false, true, false }, // its delimiter
        { 6, false, true, false }, // its text
        { 8, true, true, false }, // a step before a step
        { 9, true, false, false }, // Examples
        { 10, false, false, true }, // an include line, blanks and tabs before it
        { 11, true, true, false }, // a step with no line below
        { 12, false, false, false }, // no such line, as any beyond the analysed ones
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line);
        EXPECT_EQ(CanEditTable(a, c.line), c.table);
        EXPECT_EQ(CanEditString(a, c.line), c.string);
        EXPECT_EQ(CanEditIncludeFile(a, c.line), c.include);
    }
}

} // namespace
