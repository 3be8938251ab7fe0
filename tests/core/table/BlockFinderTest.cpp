// The table and doc string at the caret, and the text OK writes back over them.
#include "TableTestSupport.h"

#include "core/file/FeatureFileCodec.h"
#include "core/table/BlockFinder.h"
#include "core/table/DocStringText.h"
#include "core/table/TableLayout.h"
#include "support/Corpus.h"

#include <algorithm>
#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

// The table and doc string finders through the editor's Table and String
// commands are checked with the view; these are the lines it does not try.
const std::u16string text = Crlf({ u"| top |", u"  Given a", u"      | x | y |", u"        | 1 | 2 |", Q,
    u"top", Q, u"  When b", u"    " + Q + u"json", u"    Given not a step", u"    " + Q });

using FindBlockTest = English;

TEST_F(FindBlockTest, FindsLinesRangeAndIndent)
{
    const struct {
        const char* name;
        bool table; // FindTableAtLine, else FindDocStringAtLine
        const std::u16string& text;
        int line, first, last, indent;
    } cases[] = {
        { "a table at line zero", true, text, 0, 0, 0, 0 },
        { "a row keeps the first row's column", true, text, 3, 2, 3, 6 },
        { "a doc string at line zero", false, text, 5, 4, 6, 0 },
        // Whatever a line inside says, the doc string runs from delimiter to delimiter.
        { "a step inside a doc string", false, text, 9, 8, 10, 4 },
        // Without a closing delimiter there is no pairing to go by: the doc
        // string is the run of doc-string lines around the caret.
        { "an unclosed doc string", false, Crlf({ u"Given a", u"  " + Q, u"  x", u"  # c", u"  y" }), 2, 1, 2,
            2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LineAnalysis analysis = Analysed(c.text);
        const BlockLocation block
            = c.table ? FindTableAtLine(analysis, c.line) : FindDocStringAtLine(analysis, c.line);
        EXPECT_EQ(block.indent, c.indent);
        EXPECT_EQ(block.lines,
            LineList(analysis.lineText.begin() + c.first, analysis.lineText.begin() + c.last + 1));
        EXPECT_EQ(block.start, analysis.lineStart[c.first]);
        EXPECT_EQ(block.end, analysis.lineStart[c.last] + static_cast<int>(analysis.lineText[c.last].size()));
    }
    // A step followed by a doc string has no table yet: a new one goes right after the step.
    const LineAnalysis analysis = Analysed(text);
    const BlockLocation table = FindTableAtLine(analysis, 7);
    EXPECT_EQ(table.lines, MakeDefaultTable(2));
    EXPECT_EQ(table.start, analysis.lineStart[8]);
    EXPECT_EQ(table.end, table.start);
}

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

// On every file of the corpus, from each step and each block's first line:
// the first OK lays the block out, adds an empty line only where none
// follows and a line break only where the text had one, so a second OK, on a block in the editor's layout,
// changes nothing. Left out: tables with a row that no "|" closes (the first OK closes it), and doc strings
// where the delimiters do not pair up (the first OK closes what was open).
TEST_F(WriteBackTest, SecondOkOnTheCorpusChangesNothing)
{
    const auto secondOkChangesNothing = [](const std::u16string& text, int line, auto find, auto edit) {
        const std::u16string once = AfterOk(text, line, find, edit);
        EXPECT_EQ(AfterOk(once, line, find, edit), once) << "from line " << line;
    };
    for (const auto& file : CorpusFiles()) {
        SCOPED_TRACE(file.filename().string());
        const std::u16string text = CorpusText(file);
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
