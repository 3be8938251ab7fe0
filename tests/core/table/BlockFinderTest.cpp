// The table and doc string at the caret, and the text OK writes back over them.
#include "core/table/BlockFinder.h"
#include "core/editor/EditorTestSupport.h"
#include "core/file/FeatureFileCodec.h"
#include "core/table/BlockText.h"
#include "core/table/DocStringText.h"
#include "core/table/TableLayout.h"
#include "core/table/WhiteSpace.h"
#include "support/Corpus.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

// The whole text after a command found `block` with `find` at `line` and OK
// wrote back `edit` of its lines, as WriteBlockBack pastes it over the range
// of control positions, where every line break is one CR.
std::u16string AfterOk(const std::u16string& wholeText, int line,
    const std::function<BlockLocation(const LineAnalysis&, int)>& find,
    const std::function<LineList(const BlockLocation&)>& edit)
{
    const BlockLocation block = find(Analysed(wholeText), line);
    if (block.lines.empty())
        return wholeText;
    std::u16string pasted, control;
    for (char16_t c : BuildBlockText(edit(block), block))
        if (c != u'\n')
            pasted += c;
    const TextLineSource source(wholeText);
    for (int i = 0; i < source.lineCount(); ++i)
        control += source.lineText(i);
    control.replace(
        static_cast<std::size_t>(block.start), static_cast<std::size_t>(block.end - block.start), pasted);
    return TextLineSource(control).wholeText();
}

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

// Whether a "|" closes the row. A backslash in front of it counts as an
// escape even when escaped itself, which only leaves such a table out below.
bool EndsWithSeparator(const std::u16string& row)
{
    const std::u16string_view trimmed = TrimWhiteSpace(row);
    return trimmed.ends_with(u'|') && !trimmed.ends_with(u"\\|");
}

LineList TableUnchanged(const BlockLocation& block)
{
    return AlignTableLines(block.lines);
}

LineList DocStringUnchanged(const BlockLocation& block)
{
    return TextToDocStringLines(
        DocStringLinesToText(block.lines, block.indent), DocStringOpening(block.lines));
}

// On every file of the corpus, from each step, and each Examples line for
// tables: the first OK lays the block out, adds an empty line only where none
// follows and a line break only where the text had one, so that a second OK,
// on a block in the editor's layout, changes nothing. Left out: tables with a
// row that no "|" closes and doc strings whose delimiters do not pair up,
// which the first OK closes.
TEST_F(WriteBackTest, SecondOkOnTheCorpusChangesNothing)
{
    const auto expectSecondOkChangesNothing = [](const std::u16string& text, int line, auto find, auto edit) {
        const std::u16string once = AfterOk(text, line, find, edit);
        EXPECT_EQ(AfterOk(once, line, find, edit), once) << "from line " << line;
    };
    for (const auto& file : CorpusFiles()) {
        SCOPED_TRACE(file.filename().string());
        DecodedFeatureFile decoded;
        std::string error;
        ASSERT_TRUE(ReadFeatureFile(file.string(), decoded, error)) << error;
        const LineAnalysis analysis = Analysed(decoded.text);
        const auto begin = analysis.lineType.begin(), end = begin + analysis.analysedLineCount;
        const bool paired = std::count(begin, end, DOC_STRING_DELIMITER_LINE) % 2 == 0;
        // The one long file of the corpus repeats its first scenarios; their first lines are enough.
        for (int line = 0; line < std::min(analysis.analysedLineCount, 200); ++line) {
            const LineType type = analysis.lineType[line];
            const LineList rows = FindTableAtLine(analysis, line).lines;
            if ((type == STEP_LINE || type == EXAMPLES_LINE)
                && std::all_of(rows.begin(), rows.end(), EndsWithSeparator))
                expectSecondOkChangesNothing(decoded.text, line, FindTableAtLine, TableUnchanged);
            if (type == STEP_LINE && paired)
                expectSecondOkChangesNothing(decoded.text, line, FindDocStringAtLine, DocStringUnchanged);
        }
    }
}

// A new block after the text's last line, which has no line break, goes on a
// line of its own, and none is added after it; one that follows a step with
// an empty line below takes its place before that line.
TEST_F(WriteBackTest, NewBlocksAndBlocksAtTheEnd)
{
    const std::u16string text = Crlf({ u"Scenario: S", u"    Given a", u"    When b" });
    const auto empty
        = [](const BlockLocation& block) { return TextToDocStringLines(u"", DocStringOpening(block.lines)); };
    EXPECT_EQ(AfterOk(text, 2, FindDocStringAtLine, empty),
        Crlf({ u"Scenario: S", u"    Given a", u"    When b", u"    " + Q, u"    " + Q }));
    EXPECT_EQ(AfterOk(Crlf({ u"  Given a", u"", u"  When b" }), 0, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Given a", u"  |   |   |", u"  |   |   |", u"", u"  When b" }));
}

} // namespace
