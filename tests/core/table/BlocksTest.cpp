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
const std::u16string B = u"```";

using Writer = std::function<std::u16string(const BlockLocation&)>;

// The whole text after OK wrote back what `write` makes of the block `find`
// gives at `line`, pasted as WriteBlockBack does over control positions, where
// a break is one CR.
std::u16string AfterOk(const std::u16string& wholeText, int line,
    const std::function<BlockLocation(const LineAnalysis&, int)>& find, const Writer& write,
    int limit = MAX_ANALYSED_LINES)
{
    const BlockLocation block = find(Analysed(wholeText, limit), line);
    EXPECT_FALSE(block.lines.empty()) << "no block at line " << line;
    std::u16string pasted, control;
    for (char16_t c : write(block))
        if (c != u'\n')
            pasted += c;
    const TextLineSource source(wholeText);
    for (int i = 0; i < source.lineCount(); ++i)
        control += source.lineText(i);
    control.replace(
        static_cast<std::size_t>(block.start), static_cast<std::size_t>(block.end - block.start), pasted);
    return TextLineSource(control).wholeText();
}

std::u16string TableUnchanged(const BlockLocation& block)
{
    return BuildBlockText(AlignTableLines(block.lines), block);
}

std::u16string DocStringUnchanged(const BlockLocation& block)
{
    return BuildDocStringText(DocStringLinesToText(block.lines, block.indent), block);
}

Writer DocStringTyped(std::u16string text)
{
    return [text](const BlockLocation& block) { return BuildDocStringText(text, block); };
}

// What the String dialog shows of the doc string at `line`.
std::u16string Shown(const std::u16string& wholeText, int line)
{
    const BlockLocation block = FindDocStringAtLine(Analysed(wholeText), line);
    return DocStringLinesToText(block.lines, block.indent);
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
    // Whatever a line inside says, the doc string runs from delimiter to delimiter;
    // from its step too, it is cut where Cucumber cuts it, at the opening's column.
    EXPECT_EQ(AfterOk(text, 5, FindDocStringAtLine, DocStringUnchanged), text);
    EXPECT_EQ(Shown(text, 3), u"Given not a step\r\n");
}

// A block that runs on past the analysed lines, or a new one in front of such
// a block, is left alone; so is a table whose rows comment or empty lines
// part, which the grid would hold in part, and a doc string that nothing closes.
TEST_F(FindBlockTest, NoBlockWhereItWouldBeCutOrIsNeverClosed)
{
    const std::u16string parted = Crlf({ u"Given a", u"  | a |", u"", u"  | b |", u"  # c", u"Given d" });
    const std::u16string table = Crlf({ u"Given a", u"  | a |", u"  | b |", u"Given c" });
    const std::u16string docString = Crlf({ u"Given a", u"  " + Q, u"  x", u"  " + Q, u"Given c" });
    using Find = BlockLocation (*)(const LineAnalysis&, int);
    const std::tuple<const char*, std::u16string, int, Find, int, std::optional<NoBlock>> cases[] = {
        { "a row of a table running on", table, 2, FindTableAtLine, 1, NoBlock::PastLimit },
        { "its step", table, 2, FindTableAtLine, 0, NoBlock::PastLimit },
        { "a step whose table starts past the limit", table, 1, FindTableAtLine, 0, NoBlock::PastLimit },
        { "a table that ends at the limit", table, 3, FindTableAtLine, 1, std::nullopt },
        { "a step whose table may start past comments at the limit",
            Crlf({ u"Given a", u"  # c", u"  | a |" }), 2, FindTableAtLine, 0, NoBlock::PastLimit },
        { "a table whose rows may go on past a comment at the limit",
            Crlf({ u"Given a", u"  | a |", u"  # c", u"  | b |" }), 2, FindTableAtLine, 1,
            NoBlock::PastLimit },
        { "a step whose table's rows an empty line parts", parted, MAX_ANALYSED_LINES, FindTableAtLine, 0,
            NoBlock::RowsApart },
        { "the rows below it", parted, MAX_ANALYSED_LINES, FindTableAtLine, 3, NoBlock::RowsApart },
        { "a comment after the last row", parted.substr(parted.find(u"  | b |")), MAX_ANALYSED_LINES,
            FindTableAtLine, 0, std::nullopt },
        { "inside a doc string running on", docString, 3, FindDocStringAtLine, 2, NoBlock::PastLimit },
        { "its step", docString, 3, FindDocStringAtLine, 0, NoBlock::PastLimit },
        { "a step whose doc string opens past the limit", docString, 1, FindDocStringAtLine, 0,
            NoBlock::PastLimit },
        { "a doc string closed at the limit", docString, 4, FindDocStringAtLine, 0, std::nullopt },
        { "a doc string never closed", docString.substr(0, docString.find(u"  x") + 3), 4,
            FindDocStringAtLine, 1, NoBlock::NotClosed },
        { "its step", docString.substr(0, docString.find(u"  x") + 3), 4, FindDocStringAtLine, 0,
            NoBlock::NotClosed },
    };
    for (const auto& [name, text, limit, find, line, reason] : cases) {
        SCOPED_TRACE(name);
        const BlockLocation block = find(Analysed(text, limit), line);
        EXPECT_EQ(block.lines.empty(), reason.has_value());
        if (reason) {
            EXPECT_EQ(block.noBlock, *reason);
        }
    }
}

// The String command shows the content as Cucumber reads it: at most the
// opening delimiter's column of white space cut, the first escape of the
// block's own delimiter unescaped.
TEST(DocStringText, ShownAsCucumberReadsIt)
{
    EXPECT_EQ(DocStringLinesToText({ u"    " + Q, u"      x\r", u"  y\r", u"\t\t\t\t\tz", u"\u00a0w\r", u"\r",
                                       u"    " + Q + u" note" },
                  4),
        u"  x\r\ny\r\n\tz\r\nw\r\n\r\n");
    const std::u16string escapedQ = u"\\\"\\\"\\\"", escapedB = u"\\`\\`\\`";
    EXPECT_EQ(DocStringLinesToText({ B + u"json", escapedB + u" " + escapedB, escapedQ, Q, B }, 0),
        B + u" " + escapedB + u"\r\n" + escapedQ + u"\r\n" + Q + u"\r\n");
    EXPECT_EQ(DocStringLinesToText({ Q, u"say " + escapedQ + u" " + B, B, Q }, 0),
        u"say " + Q + u" " + B + u"\r\n" + B + u"\r\n");
    EXPECT_EQ(DocStringTextLines(u"a\r\n\r\n  b\n\nc\rd\r\r"),
        (LineList { u"a", u"", u"  b", u"", u"c", u"d", u"" }));
}

using DocStringWriteBack = English;

// What is typed is what Cucumber reads: a line that would end the doc string
// goes in escaped, as does one whose escape would otherwise be read; the
// dialog shows it again as typed. An escape with no delimiter before it
// cannot be written at all.
TEST_F(DocStringWriteBack, TypedLinesComeBackAsTypedThroughCucumbersEscape)
{
    const std::u16string escapedQ = u"\\\"\\\"\\\"", escapedB = u"\\`\\`\\`";
    // Typed, and written in a doc string of quotes; of backticks the same with the two swapped.
    const std::pair<std::u16string, std::u16string> cases[] = {
        { Q, escapedQ },
        { u"  " + Q + u"json", u"  " + escapedQ + u"json" },
        { u"\u00a0" + Q, u"\u00a0" + escapedQ },
        { u"say " + Q, u"say " + Q },
        { Q + u" and " + escapedQ, escapedQ + u" and " + escapedQ },
        { B, B },
        { u"\\" + Q, u"\\" + Q },
    };
    for (const bool backticks : { false, true }) {
        const auto swapped = [backticks](std::u16string text) {
            if (backticks)
                for (char16_t& c : text)
                    c = c == u'"' ? u'`' : c == u'`' ? u'"' : c;
            return text;
        };
        const std::u16string step = Crlf({ u"Given a", u"  " + swapped(Q), u"  " + swapped(Q), u"" });
        for (const auto& [typed, written] : cases) {
            SCOPED_TRACE(&typed - &cases[0].first);
            const std::u16string after
                = AfterOk(step, 1, FindDocStringAtLine, DocStringTyped(swapped(typed)));
            EXPECT_EQ(after,
                Crlf({ u"Given a", u"  " + swapped(Q), u"  " + swapped(written), u"  " + swapped(Q), u"" }));
            EXPECT_EQ(Shown(after, 1), swapped(typed) + u"\r\n");
            EXPECT_EQ(UnwritableDocStringLine(swapped(typed), swapped(Q)), std::nullopt);
        }
        EXPECT_EQ(UnwritableDocStringLine(u"ok\r\n" + swapped(escapedQ), swapped(Q)), 1u);
        EXPECT_EQ(UnwritableDocStringLine(u"a " + swapped(escapedQ) + u" " + swapped(Q), swapped(Q)), 0u);
    }
}

// OK on an unchanged doc string writes it back byte for byte, from any of its
// lines, whatever its indentation, escapes, content type or closing note; an
// edit keeps the unchanged lines at either end as they were.
TEST_F(DocStringWriteBack, UnchangedBytesStayAsTheyWere)
{
    const std::u16string text = Crlf({ u"  Given a", u"      " + Q + u"json", u"\t\t\t\t\t\tfirst", u"",
        u"   ", u"  short", u"      say \\\"\\\"\\\" " + Q, u"      last", u"       " + Q + u" closing note",
        u"  When b", u"    " + B, u"    " + Q, u"    " + B });
    for (int line = 0; line < 13; ++line) {
        if (line == 9)
            continue;
        SCOPED_TRACE(line);
        EXPECT_EQ(AfterOk(text, line, FindDocStringAtLine, DocStringUnchanged), text);
    }
    EXPECT_EQ(AfterOk(text, 3, FindDocStringAtLine,
                  DocStringTyped(u"first\r\nnew\r\n\r\nsay " + Q + u" " + Q + u"\r\nlast")),
        Crlf({ u"  Given a", u"      " + Q + u"json", u"\t\t\t\t\t\tfirst", u"      new", u"",
            u"      say \\\"\\\"\\\" " + Q, u"      last", u"       " + Q + u" closing note", u"  When b",
            u"    " + B, u"    " + Q, u"    " + B }));
}

// Cucumber closes a doc string at the first line that starts with its
// delimiter, whatever follows: such a line, meant to open the next doc string,
// stays as it is, and no line below is pulled in.
TEST_F(DocStringWriteBack, ADelimiterWithTextAfterItClosesAndStays)
{
    const std::u16string text
        = Crlf({ u"Given a", u"  " + Q, u"  x", u"Given b", u"  " + Q + u"json", u"  y", u"  " + Q, u"" });
    EXPECT_EQ(Shown(text, 2), u"x\r\nGiven b\r\n");
    EXPECT_EQ(AfterOk(text, 2, FindDocStringAtLine, DocStringUnchanged), text);
    const std::u16string edited = AfterOk(text, 2, FindDocStringAtLine, DocStringTyped(u"x\r\nGiven b\r\nz"));
    EXPECT_EQ(edited,
        Crlf({ u"Given a", u"  " + Q, u"  x", u"Given b", u"  z", u"  " + Q + u"json", u"  y", u"  " + Q,
            u"" }));
    EXPECT_EQ(Shown(edited, 1), u"x\r\nGiven b\r\nz\r\n");
    EXPECT_EQ(FindDocStringAtLine(Analysed(text), 6).noBlock, NoBlock::NotClosed);
}

using PlaceholdersTest = English;

// Only what Cucumber fills in counts: the steps, their tables cell by cell and
// doc strings, and the name; lower lines first, the name last, left to right.
// A "<" finds its ">" on its own line only.
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
        { Crlf({ u"  Examples: e", u"    " + Q, u"    words", u"    |a|", u"    |1|" }), 0,
            Crlf({ u"  Examples: e", u"    " + Q, u"    words", u"  | a  |", u"  | 1  |" }) },
        // An Examples line in a feature's description is description: the
        // step and delimiter below it are no text before a table of its own.
        { Crlf({ u"Feature: f", u"Examples: e", u"* s", Q }), 1,
            Crlf({ u"Feature: f", u"Examples: e", u"|   |   |", u"|   |   |", u"", u"* s", Q }) },
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

// From each step and Examples line of the corpus: once OK has laid a table
// out, another OK changes nothing, adding no second empty line after it and no
// line break where the text had none; OK on a doc string changes nothing at all.
TEST_F(WriteBackTest, OkAgainOnTheCorpusChangesNothing)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << CorpusMissing();
    for (const auto& file : files) {
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
            // A table whose rows stand apart is refused, as a test above shows.
            if ((type == STEP_LINE || type == EXAMPLES_LINE)
                && FindTableAtLine(analysis, line).noBlock != NoBlock::RowsApart)
                expectOkAgainChangesNothing(FindTableAtLine, TableUnchanged);
            const BlockLocation docString = FindDocStringAtLine(analysis, line);
            if (type == STEP_LINE && !docString.lines.empty() && docString.start != docString.end) {
                EXPECT_EQ(AfterOk(decoded.text, line, FindDocStringAtLine, DocStringUnchanged),
                    TextLineSource(decoded.text).wholeText())
                    << "from line " << line;
            }
        }
    }
}

// A new block after a last line without a break goes on a line of its own, none
// after it; one after a step with an empty line below goes before that line,
// and so does a block written back.
TEST_F(WriteBackTest, NewBlocksAndBlocksAtTheEnd)
{
    const std::u16string text = Crlf({ u"Scenario: S", u"    Given a", u"    When b" });
    EXPECT_EQ(AfterOk(text, 2, FindDocStringAtLine, DocStringTyped(u"")),
        Crlf({ u"Scenario: S", u"    Given a", u"    When b", u"    " + Q, u"    " + Q }));
    EXPECT_EQ(AfterOk(Crlf({ u"  Given a", u"", u"  When b" }), 0, FindTableAtLine, TableUnchanged),
        Crlf({ u"  Given a", u"  |   |   |", u"  |   |   |", u"", u"  When b" }));
    // The empty line may be the first past the analysed lines.
    EXPECT_EQ(AfterOk(Crlf({ u"  Given a", u"  | x |", u"" }), 0, FindTableAtLine, TableUnchanged, 2),
        Crlf({ u"  Given a", u"  | x  |", u"" }));
}

} // namespace
