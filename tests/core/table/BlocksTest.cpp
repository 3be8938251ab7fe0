// The table and doc string at the caret, what the dialogs are given of them,
// with the Scenario Outline's placeholders, and the text OK writes back.
#include "core/editor/EditorTestSupport.h"
#include "core/file/FeatureFileCodec.h"
#include "core/table/BlockFinder.h"
#include "core/table/BlockText.h"
#include "core/table/DocStringText.h"
#include "core/table/Placeholders.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"
#include "support/Corpus.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

// The whole text after OK wrote back `edit` of the block `find` gives at `line`,
// pasted as WriteBlockBack does over control positions, where a break is one CR.
std::u16string AfterOk(const std::u16string& wholeText, int line,
    const std::function<BlockLocation(const LineAnalysis&, int)>& find,
    const std::function<LineList(const BlockLocation&)>& edit)
{
    const BlockLocation block = find(Analysed(wholeText), line);
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

LineList TableUnchanged(const BlockLocation& block)
{
    return AlignTableLines(block.lines);
}

LineList DocStringUnchanged(const BlockLocation& block)
{
    return TextToDocStringLines(
        DocStringLinesToText(block.lines, block.indent), DocStringOpening(block.lines));
}

using FindBlockTest = English;

// The finders through the editor's Table and String commands are checked with
// the view; these are the lines it does not try, as OK writes their blocks back.
TEST_F(FindBlockTest, BlocksFromTheLinesTheViewDoesNotTry)
{
    const std::u16string text = Crlf({ u"  Given a", u"      | x | y |", u"        | 1 | 2 |", u"  When b",
        u"    " + Q + u"json", u"    Given not a step", u"    " + Q });
    // A row keeps the first row's column.
    EXPECT_EQ(AfterOk(text, 2, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Given a", u"      | x  | y  |", u"      | 1  | 2  |", u"", u"  When b",
            u"    " + Q + u"json", u"    Given not a step", u"    " + Q }));
    // Whatever a line inside says, the doc string runs from delimiter to delimiter.
    EXPECT_EQ(AfterOk(text, 5, FindDocStringAtLine, DocStringUnchanged), text);
    // Unclosed, it is the run of doc-string lines around the caret.
    EXPECT_EQ(AfterOk(Crlf({ u"Given a", u"  " + Q, u"  x", u"  # c", u"  y" }), 2, FindDocStringAtLine,
                  DocStringUnchanged),
        Crlf({ u"Given a", u"  " + Q, u"  x", u"  " + Q, u"", u"  # c", u"  y" }));
}

// The String command's text is the lines between the delimiters without the indent;
// every break of the text handed back ends a line, and the opening keeps its type.
TEST(DocStringText, TheLinesBetweenTheDelimitersWithoutTheIndentAndBack)
{
    // At most the indent is cut, and only blanks and tabs.
    EXPECT_EQ(
        DocStringLinesToText({ u"    " + Q, u"      x\r", u"  y\r", u"\t\tz", u"wrong\r", u"    " + Q }, 4),
        u"  x\r\ny\r\nz\r\nwrong\r\n");
    // Quotes inside are text; only the block's own delimiters go.
    EXPECT_EQ(DocStringLinesToText({ Q, u"say " + Q + u"hi", Q, u"b", Q }, 0),
        u"say " + Q + u"hi\r\n" + Q + u"\r\nb\r\n");
    EXPECT_EQ(TextToDocStringLines(u"a\r\n\r\n  b\n\nc\rd\r\r", Q + u"json"),
        (LineList { Q + u"json", u"a", u"", u"  b", u"", u"c", u"d", u"", Q }));
    EXPECT_EQ(DocStringOpening({ u"    " + Q + u"json  \r", u"x", Q }), Q + u"json");
}

using PlaceholdersTest = English;

// Only what Cucumber fills in counts: the steps, their tables cell by cell and
// doc strings, and the name; lower lines first, the name last, left to right.
// A "<" finds its ">" on its own line only. A new table's blank header giving
// way to them is in the view's tests.
TEST_F(PlaceholdersTest, CollectedFromTheStepsTheirArgumentsAndTheNameOnly)
{
    const LineAnalysis analysis = Analysed(Crlf({
        u"Scenario Outline: A", // 0
        u"  Given <other scenario>", // 1
        u"Scenario Outline: Eat <Name>", // 2
        u"  <described>", // 3
        u"  Given there are <Quantity> cucumbers, x > 3", // 4
        u"    | <Cell> | c < d | e > f |", // 5
        u"    " + Q + u"<Type>", // 6
        u"    <Content> | <Row> |", // 7
        u"    | <Quoted row> |", // 8
        u"    " + Q, // 9
        u"  # <comment>", // 10
        u"  When I eat <Count> of <Count>", // 11
        u"  Then I should have <New Quantity> and <>, y < 5", // 12
        u"  Examples: <examples name>", // 13
        u"    | a < b | c > d | <examples cell> |", // 14
        u"  @<tag>", // 15
        u"  Examples:", // 16
    }));
    const PlaceholderList expected { u"New Quantity", u"", u"Count", u"Count", u"Quoted row", u"Content",
        u"Row", u"Type", u"Cell", u"Quantity", u"Name" };
    EXPECT_EQ(CollectPlaceholders(analysis, 16), expected);
    EXPECT_EQ(CollectPlaceholders(analysis, 13), expected);
    EXPECT_EQ(CollectPlaceholders(analysis, 2), PlaceholderList { u"other scenario" });
    const std::u16string name(200000, u'n');
    EXPECT_EQ(CollectPlaceholders(Analysed(Crlf({ u"Given <" + name + u"> and <" + name, u"Examples:" })), 1),
        PlaceholderList { name });

    const auto merged = [](LineList lines, const PlaceholderList& placeholders) {
        MergePlaceholdersIntoHeader(lines, placeholders);
        return LinesToCellMatrix(lines);
    };
    // A blank header above data and a repeated name keep their columns; a
    // column empty in every row goes; a short row is filled first.
    EXPECT_EQ(merged({ u"| a | | a | |", u"| 1 | 2 |", u"| 1 | 2 | 3 |" }, { u"Count" }),
        (CellMatrix { { u"a", u"", u"a", u"Count" }, { u"1", u"2", u"", u"" }, { u"1", u"2", u"3", u"" } }));
    // Names are compared as the header writes them.
    EXPECT_EQ(merged({ u"| a \\| b |" }, { u"a | b", u"c|d" }), (CellMatrix { { u"a \\| b", u"c\\|d" } }));
}

// From a step or an Examples line: the table Cucumber gives it, past the
// comments and empty lines after the step, or the Examples' description; or a
// new one where no row would end that description. Indentation as written.
TEST_F(FindBlockTest, TheTableCucumberGivesAStepOrExamplesLineWithItsIndentation)
{
    const std::u16string outline = Crlf({ u"  Scenario Outline: o", u"    Given <a>", u"    Examples: e",
        u"      Some words | not a row", u"      # a comment", u"", u"        | a |", u"      | 1 |" });
    EXPECT_EQ(AfterOk(outline, 2, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Scenario Outline: o", u"    Given <a>", u"    Examples: e",
            u"      Some words | not a row", u"      # a comment", u"", u"    | a  |", u"    | 1  |" }));
    const LineAnalysis analysis = Analysed(outline);
    for (int line = 0; line < analysis.analysedLineCount; ++line)
        EXPECT_EQ(ExamplesLineOfTable(analysis, line), line == 2 || line >= 6 ? 2 : -1) << line;
    EXPECT_EQ(ExamplesLineOfTable(Analysed(Crlf({ u"Examples:", u"| a |", u"# c", u"| 1 |" })), 3), -1)
        << "the run of rows below a comment is no table's start";
    EXPECT_EQ(ExamplesLineOfTable(Analysed(Crlf({ u"Examples:", u"Given x", u"| a |" })), 2), 0)
        << "a step there is description";

    struct Case {
        std::u16string text;
        int line;
        std::u16string after;
    };
    const Case cases[] = {
        { Crlf({ u"  Examples: e", u"    words", u"", u"  Scenario: next" }), 0,
            Crlf({ u"  Examples: e", u"    words", u"  |   |   |", u"  |   |   |", u"",
                u"  Scenario: next" }) },
        { Crlf({ u"    Given a", u"    # c", u"", u"      | x |" }), 0,
            Crlf({ u"    Given a", u"    # c", u"", u"    | x  |" }) },
        { Crlf({ u"    Given a", u"    # c", u"    " + Q, u"    |in|", u"    " + Q, u"      |x|" }), 0,
            Crlf({ u"    Given a", u"    # c", u"    " + Q, u"    |in|", u"    " + Q, u"    | x  |" }) },
        { Crlf({ u"    Given a", u"    # c", u"    When b" }), 0,
            Crlf({ u"    Given a", u"    |   |   |", u"    |   |   |", u"", u"    # c", u"    When b" }) },
        { Crlf({ u"\tGiven a", u"\t \t| x | y |" }), 1, Crlf({ u"\tGiven a", u"\t \t| x  | y  |" }) },
        { Crlf({ u"\tGiven a", u"\t \t| x | y |" }), 0, Crlf({ u"\tGiven a", u"\t| x  | y  |" }) },
        { Crlf({ u"\xFEFF\tGiven a", u"" }), 0,
            Crlf({ u"\xFEFF\tGiven a", u"\t|   |   |", u"\t|   |   |", u"" }) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AfterOk(c.text, c.line, FindTableAtLine, TableUnchanged), c.after)
            << testing::PrintToString(c.text);
}

using WriteBackTest = English;

// From each step and Examples line of the corpus: once OK has laid a block out
// (closing what was left open), another OK changes nothing, adding no second
// empty line after the block and no line break where the text had none.
TEST_F(WriteBackTest, OkAgainOnTheCorpusChangesNothing)
{
    for (const auto& file : CorpusFiles()) {
        SCOPED_TRACE(file.filename().string());
        DecodedFeatureFile decoded;
        std::string error;
        ASSERT_TRUE(ReadFeatureFile(file.string(), decoded, error)) << error;
        const LineAnalysis analysis = Analysed(decoded.text);
        // The one long file of the corpus repeats its first scenarios; their first lines are enough.
        for (int line = 0; line < std::min(analysis.analysedLineCount, 200); ++line) {
            const LineType type = analysis.lineType[line];
            const auto expectOkAgainChangesNothing = [&](auto find, auto edit) {
                const std::u16string twice
                    = AfterOk(AfterOk(decoded.text, line, find, edit), line, find, edit);
                EXPECT_EQ(AfterOk(twice, line, find, edit), twice) << "from line " << line;
            };
            if (type == STEP_LINE || type == EXAMPLES_LINE)
                expectOkAgainChangesNothing(FindTableAtLine, TableUnchanged);
            if (type == STEP_LINE)
                expectOkAgainChangesNothing(FindDocStringAtLine, DocStringUnchanged);
        }
    }
}

// A new block after a last line without a break goes on a line of its own, none
// after it; one after a step with an empty line below goes before that line.
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
