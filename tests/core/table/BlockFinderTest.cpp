// The table and doc string at the caret, and the text OK writes back over them.
#include "TableTestSupport.h"

#include "core/file/FeatureFileCodec.h"
#include "core/table/BlockFinder.h"
#include "core/table/DocStringText.h"
#include "core/table/TableLayout.h"
#include "support/Corpus.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::u16string Q = u"\"\"\"";

const std::u16string tables = Crlf({
    u"| top |", // 0
    u"Scenario Outline: S", // 1
    u"  Given <a>", // 2
    u"      | x | y |", // 3
    u"        | 1 | 2 |", // 4
    u"  When <b>", // 5
    u"  Examples:", // 6
    u"    | a |", // 7
    u"", // 8
    u"  Then c", // 9
});

const std::u16string docStrings = Crlf({
    Q, // 0
    u"top", // 1
    Q, // 2
    u"Scenario: S", // 3
    u"  Given a", // 4
    u"    " + Q + u"json", // 5
    u"    x", // 6
    u"    # not a comment", // 7
    u"    Given not a step", // 8
    u"    " + Q, // 9
    u"  When b", // 10
    u"  Then c", // 11
});

// Without a closing delimiter there is no pairing to go by: the doc string is
// the run of doc-string lines around the caret.
const std::u16string unclosed = Crlf({ u"Given a", u"  " + Q, u"  x", u"  # c", u"  y" });

struct FindCase {
    const char* name;
    const std::u16string* text;
    bool table; // FindTableAtLine, else FindDocStringAtLine
    int line;
    // Existing block: its first and last line. New block: first = last = -1.
    int first, last;
    int indent;
    bool endsText, emptyLineAfter;
};

class FindBlockTest : public English, public testing::WithParamInterface<FindCase> { };

TEST_P(FindBlockTest, FindsLinesRangeAndIndent)
{
    const FindCase& c = GetParam();
    const LineAnalysis analysis = Analysed(*c.text);
    const BlockLocation block
        = c.table ? FindTableAtLine(analysis, c.line) : FindDocStringAtLine(analysis, c.line);
    if (c.indent < 0) {
        EXPECT_TRUE(block.lines.empty());
        return;
    }
    EXPECT_EQ(block.indent, c.indent);
    EXPECT_EQ(block.endsText, c.endsText);
    EXPECT_EQ(block.emptyLineAfter, c.emptyLineAfter);
    if (c.first < 0) {
        EXPECT_EQ(block.lines, c.table ? MakeDefaultTable(c.indent) : MakeDefaultDocString(c.indent));
        // Right after the anchor line: at the start of the next one, or at the text's end.
        const int next = c.line + 1;
        EXPECT_EQ(block.start,
            next < analysis.analysedLineCount
                ? analysis.lineStart[next]
                : static_cast<int>(TextLineSource(*c.text).controlText().size()));
        EXPECT_EQ(block.end, block.start);
        return;
    }
    const LineList expected(analysis.lineText.begin() + c.first, analysis.lineText.begin() + c.last + 1);
    EXPECT_EQ(block.lines, expected);
    std::u16string joined;
    for (const auto& line : expected)
        joined += line;
    EXPECT_EQ(CoveredText(*c.text, block), joined);
}

const FindCase findCases[] = {
    { "TableAtLineZero", &tables, true, 0, 0, 0, 0, false, false },
    { "RowKeepsFirstRowsColumn", &tables, true, 4, 3, 4, 6, false, false },
    { "StepMovesTableToItsColumn", &tables, true, 2, 3, 4, 2, false, false },
    { "ExamplesLine", &tables, true, 6, 7, 7, 2, false, true },
    { "StepWithoutTableGetsANewOne", &tables, true, 5, -1, -1, 2, false, false },
    { "LastLineStep", &tables, true, 9, -1, -1, 2, true, false },
    { "HeadingHasNoTable", &tables, true, 1, 0, 0, -1, false, false },
    { "PastTheAnalysedLines", &tables, true, 10, 0, 0, -1, false, false },
    { "StepBeforeDocStringGetsATable", &docStrings, true, 4, -1, -1, 2, false, false },
    { "DocStringAtLineZero", &docStrings, false, 1, 0, 2, 0, false, false },
    { "StepTakesItsDocString", &docStrings, false, 4, 5, 9, 2, false, false },
    // Whatever a line inside says, the doc string runs from delimiter to delimiter.
    { "OpeningDelimiter", &docStrings, false, 5, 5, 9, 4, false, false },
    { "CommentInside", &docStrings, false, 7, 5, 9, 4, false, false },
    { "StepInside", &docStrings, false, 8, 5, 9, 4, false, false },
    { "ClosingDelimiter", &docStrings, false, 9, 5, 9, 4, false, false },
    { "StepBeforeStepGetsANewDocString", &docStrings, false, 10, -1, -1, 2, false, false },
    { "LastLineStepGetsANewDocString", &docStrings, false, 11, -1, -1, 2, true, false },
    { "UnclosedDocString", &unclosed, false, 2, 1, 2, 2, false, false },
};

INSTANTIATE_TEST_SUITE_P(Blocks, FindBlockTest, testing::ValuesIn(findCases),
    [](const testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

using WriteBackTest = English;

LineList TableUnchanged(const BlockLocation& block)
{
    return AlignTableLines(block.lines);
}

LineList DocStringUnchanged(const BlockLocation& block)
{
    return TextToDocStringLines(
        DocStringLinesToText(block.lines, block.indent), DocStringOpening(block.lines));
}

// OK without a change, from every line of a text in the editor's layout,
// leaves the text exactly as it was.
TEST_F(WriteBackTest, OkWithoutChangeLeavesLaidOutTextAlone)
{
    const std::u16string text = Crlf({ u"Feature: F", u"Scenario: S", u"  Given a", u"  | a   | bb  |",
        u"  | cc  | d   |", u"", u"  When b", u"  " + Q + u"xml", u"    <x/>", u"  ", u"  " + Q, u"",
        u"  Then c", u"  | 名  | x   |", u"  | ab  | yy  |" });
    const LineAnalysis analysis = Analysed(text);
    int blocksSeen = 0;
    for (int line = 0; line < analysis.analysedLineCount; ++line) {
        SCOPED_TRACE(line);
        // New blocks are inserted, so only the existing ones can stay as they are.
        const BlockLocation table = FindTableAtLine(analysis, line);
        if (table.start != table.end) {
            ++blocksSeen;
            EXPECT_EQ(AfterOk(text, line, FindTableAtLine, TableUnchanged), text);
        }
        const BlockLocation docString = FindDocStringAtLine(analysis, line);
        if (docString.start != docString.end) {
            ++blocksSeen;
            EXPECT_EQ(AfterOk(text, line, FindDocStringAtLine, DocStringUnchanged), text);
        }
    }
    EXPECT_EQ(blocksSeen, 11);
}

// On every file of the corpus, from each step and each block's first line:
// the first OK lays the block out and adds an empty line only where none
// follows, so a second OK changes nothing more. Left out: tables with a row
// that no "|" closes (the first OK closes it), and doc strings where the
// delimiters do not pair up (the first OK closes what was open).
TEST_F(WriteBackTest, SecondOkOnTheCorpusChangesNothing)
{
    const auto secondOkChangesNothing = [](const std::u16string& text, int line, auto find, auto edit) {
        const std::u16string once = AfterOk(text, line, find, edit);
        EXPECT_EQ(AfterOk(once, line, find, edit), once) << "from line " << line;
    };
    for (const auto& file : CorpusFiles()) {
        SCOPED_TRACE(file.filename().string());
        std::string bytes, error;
        ASSERT_TRUE(ReadFileBytes(file.string(), bytes, error)) << error;
        const std::u16string text = DecodeFeatureFile(bytes).text;
        const LineAnalysis analysis = Analysed(text);
        const auto begin = analysis.lineType.begin(), end = begin + analysis.analysedLineCount;
        const bool paired = std::count(begin, end, DOC_STRING_DELIMITER_LINE) % 2 == 0;
        // The one long file of the corpus repeats its first scenarios; their first lines are enough.
        for (int line = 0; line < std::min(analysis.analysedLineCount, 200); ++line) {
            const BlockLocation table = FindTableAtLine(analysis, line);
            const bool closed = std::all_of(table.lines.begin(), table.lines.end(), EndsWithSeparator);
            if (closed && (analysis.lineType[line] != TABLE_LINE || table.start == analysis.lineStart[line]))
                secondOkChangesNothing(text, line, FindTableAtLine, TableUnchanged);
            const BlockLocation docString = FindDocStringAtLine(analysis, line);
            if (paired
                && (analysis.lineType[line] == STEP_LINE || docString.start == analysis.lineStart[line]))
                secondOkChangesNothing(text, line, FindDocStringAtLine, DocStringUnchanged);
        }
    }
}

// New blocks go on lines of their own, and a block at the text's end ends
// it as it did.
TEST_F(WriteBackTest, NewBlocksAndBlocksAtTheEnd)
{
    const auto typed = [](std::u16string text) {
        return [text](const BlockLocation& block) {
            return TextToDocStringLines(text, DocStringOpening(block.lines));
        };
    };
    const std::u16string text = Crlf({ u"Scenario: S", u"    Given a", u"    When b" });
    EXPECT_EQ(AfterOk(text, 1, FindDocStringAtLine, typed(u"hello")),
        Crlf({ u"Scenario: S", u"    Given a", u"    " + Q, u"    hello", u"    " + Q, u"", u"    When b" }));
    // After the text's last line, which has no line break.
    EXPECT_EQ(AfterOk(text, 2, FindDocStringAtLine, typed(u"")),
        Crlf({ u"Scenario: S", u"    Given a", u"    When b", u"    " + Q, u"    " + Q }));
    EXPECT_EQ(AfterOk(text, 2, FindTableAtLine, TableUnchanged),
        Crlf({ u"Scenario: S", u"    Given a", u"    When b", u"    |   |   |", u"    |   |   |" }));
    EXPECT_EQ(AfterOk(Crlf({ u"  Given a", u"|1|" }), 1, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Given a", u"| 1  |" }));
    // An empty line after the step already: the new table takes its place before it.
    EXPECT_EQ(AfterOk(Crlf({ u"  Given a", u"", u"  When b" }), 0, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Given a", u"  |   |   |", u"  |   |   |", u"", u"  When b" }));
}

} // namespace
