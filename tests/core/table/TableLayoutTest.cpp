// Rows laid out, and cells to and from the clipboard's text.
#include "core/table/TableLayout.h"
#include "core/editor/EditorTestSupport.h"
#include "core/table/AlignTables.h"
#include "core/table/ClipboardTable.h"
#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Unescaped pipes and line breaks are written so that the row keeps its columns,
// widths counting them as written; the rows read back and AlignTableLines keeps them.
TEST(AlignCellMatrix, PadsEveryColumnToItsWidestCellAndReadsBackAsWritten)
{
    // A matrix, its first row the longest, and the lines written of it.
    const std::tuple<const char*, CellMatrix, LineList> cases[] = {
        { "a row without cells", { {} }, { u"|" } },
        { "an unescaped pipe", { { u"a|b", u"a\\\\|b" }, { u"x", u"y" } },
            { u"| a\\|b  | a\\\\\\|b  |", u"| x     | y       |" } },
        { "line breaks", { { u"two\r\nlines", u"x\ny\rz" } }, { u"| two\\nlines  | x\\ny\\nz  |" } },
        { "backslashes, wide and combining characters, a short row",
            { { u"x\\", u"", u"名" }, { u"\\|", u"e\u0301" } },
            { u"| x\\  |    | 名  |", u"| \\|  | e\u0301  |     |" } },
    };
    for (const auto& [name, matrix, lines] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AlignCellMatrix(matrix), lines);
        EXPECT_EQ(AlignTableLines(lines), lines);
        CellMatrix written = PadToRectangle(matrix);
        for (CellRow& row : written)
            std::ranges::transform(row, row.begin(), WrittenCellText);
        EXPECT_EQ(LinesToCellMatrix(lines), written);
    }
}

// A lone surrogate, which no file holds, one column; a tab to the next stop, at
// least one column; a combining mark none, a wide character or an emoji two.
TEST(DisplayWidth, CountsColumnsOfTheView)
{
    EXPECT_EQ(DisplayWidth(std::u16string(1, u'\xD800')), 1);
    EXPECT_EQ(DisplayColumn(u"abcdefgh\t", 8), 16);
    EXPECT_EQ(DisplayColumn(u"a\u0308日本語\t\U0001F600", 8), 10);
    EXPECT_EQ(DisplayColumn(u"ab\tc", 0), 4);
}

using AlignWholeTextTest = English;

// Only what Cucumber reads as a table is laid out, all its rows as one table
// around the comment and empty lines among them; a table Cucumber reads
// otherwise than the grid stays as it is, and the result aligns to itself.
TEST_F(AlignWholeTextTest, AlignsWhatCucumberReadsAsATableAndNothingElse)
{
    const std::u16string Q = u"\"\"\"";
    struct Case {
        const char* name;
        std::vector<std::u16string_view> lines;
        std::vector<std::u16string_view> aligned; // empty: as they were
        std::vector<UnalignedTable> leftAlone = {};
    };
    const Case cases[] = {
        { "rows after a step, across comment and empty lines",
            { u"Given x", u"  # before", u"\t|a|bb|", u"", u"  # between", u"    |ccc|d|", u"# after" },
            { u"Given x", u"  # before", u"\t| a    | bb  |", u"", u"  # between", u"\t| ccc  | d   |",
                u"# after" } },
        { "after an Examples line and its description",
            { u"Examples:", u"  Given text", u"  text | not a row", Q, Q, u"|a|", u"|bb|" },
            { u"Examples:", u"  Given text", u"  text | not a row", Q, Q, u"| a   |", u"| bb  |" } },
        { "after a step's doc string", { u"Given x", Q, u"|in|", Q, u"|a|" },
            { u"Given x", Q, u"|in|", Q, u"| a  |" } },
        { "in descriptions, after text, after a step's table and doc string",
            { u"Feature: f", u"|a|", u"Scenario: s", u"|a|", u"Given x", u"text", u"|a|", u"When y", u"|a|",
                Q, Q, u"|b|" },
            { u"Feature: f", u"|a|", u"Scenario: s", u"|a|", u"Given x", u"text", u"|a|", u"When y",
                u"| a  |", Q, Q, u"|b|" } },
        { "text after the last pipe", { u"Given x", u"|a|", u"# c", u"| b | c" }, {},
            { { 3, TableLeftAlone::TEXT_AFTER_LAST_SEPARATOR } } },
        { "an escaped last pipe", { u"Given x", u"|a\\|  ", u"|b|" }, {},
            { { 1, TableLeftAlone::TEXT_AFTER_LAST_SEPARATOR } } },
        { "an escaped backslash before the last pipe", { u"Given x", u"|a\\\\|", u"|bb|" },
            { u"Given x", u"| a\\\\  |", u"| bb   |" } },
        { "uneven rows", { u"Given x", u"|a|b|", u"|a||", u"|c|" }, {},
            { { 3, TableLeftAlone::UNEVEN_ROWS, 1, 2 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::u16string text = Crlf(c.lines);
        const std::u16string aligned = c.aligned.empty() ? text : Crlf(c.aligned);
        const LineAnalysis analysis = Analysed(text);
        EXPECT_EQ(AlignWholeText(TextLineSource(text), analysis), aligned);
        EXPECT_EQ(AlignWholeText(TextLineSource(aligned), Analysed(aligned)), aligned);
        const auto left = TablesLeftAlone(analysis);
        ASSERT_EQ(left.size(), c.leftAlone.size());
        for (std::size_t k = 0; k < left.size(); ++k) {
            EXPECT_EQ(left[k].line, c.leftAlone[k].line);
            EXPECT_EQ(left[k].reason, c.leftAlone[k].reason);
            EXPECT_EQ(left[k].cells, c.leftAlone[k].cells);
            EXPECT_EQ(left[k].firstRowCells, c.leftAlone[k].firstRowCells);
        }
    }
    // Lines past the analysed ones stay as they are, and so does a table that
    // may go on past them: laid out in part, its columns would not line up.
    const std::u16string text = Crlf({ u"Given x", u"|a|", u"|bb|", u"# c", u"|c|", u"Given d", u"|d|" });
    EXPECT_EQ(AlignWholeText(TextLineSource(text), Analysed(text, 6)),
        Crlf({ u"Given x", u"| a   |", u"| bb  |", u"# c", u"| c   |", u"Given d", u"|d|" }));
    EXPECT_TRUE(TablesLeftAlone(Analysed(text, 6)).empty());
    for (const int limit : { 3, 4 }) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(AlignWholeText(TextLineSource(text), Analysed(text, limit)), text);
        const auto left = TablesLeftAlone(Analysed(text, limit));
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(std::pair(left[0].line, left[0].reason), std::pair(1, TableLeftAlone::MAY_RUN_PAST_LIMIT));
    }
}

TEST(ParseClipboardTable, GivesRowsAndShape)
{
    const std::tuple<const char*, std::u16string, CellMatrix, ClipboardShape> cases[] = {
        { "empty", u"", {}, CLIP_EMPTY },
        { "a blank line is one empty cell", u"  ", { { u"" } }, CLIP_CELL },
        // Tab-separated, as spreadsheets copy: only tabs separate, and a quote
        // that opens a cell quotes it.
        { "a tab row keeps commas", u" Smith, John \t42", { { u"Smith, John", u"42" } }, CLIP_ROW },
        { "quoted cells hold a tab, a line break and a quote",
            u"\"a\tb\"\tc\r\n\"line1\r\nline2\"\t\"say \"\"hi\"\"\"",
            { { u"a\tb", u"c" }, { u"line1\nline2", u"say \"hi\"" } }, CLIP_TABLE },
        { "a quote inside a cell or never closed is text", u"5\" pipe\t\"open\r\nx\ty",
            { { u"5\" pipe", u"\"open" }, { u"x", u"y" } }, CLIP_TABLE },
        { "tabs adjacent and at the end", u"a\t\tb\t\r\n\tc", { { u"a", u"", u"b" }, { u"", u"c" } },
            CLIP_TABLE },
        // A blank cell of a copied column keeps the rows below it in place.
        { "an empty line is an empty cell", u"a\r\n\r\nb\r\n\r\n\r\n", { { u"a" }, { u"" }, { u"b" } },
            CLIP_COLUMN },
        // Comma-separated with CSV quoting.
        { "ragged rows, commas adjacent and at the end", u"a\nb,,c,", { { u"a" }, { u"b", u"", u"c" } },
            CLIP_TABLE },
        { "a quoted comma and doubled quotes", u"\"Smith, \"\"J\"\"\",42", { { u"Smith, \"J\"", u"42" } },
            CLIP_ROW },
        { "a quoted line break", u"\"two\nlines\",x\ny,z", { { u"two\nlines", u"x" }, { u"y", u"z" } },
            CLIP_TABLE },
        { "blanks outside quotes go, inside stay", u" \" a \" ,\"\"", { { u" a ", u"" } }, CLIP_ROW },
        { "an unclosed quote is text", u"\"a,b\nc", { { u"\"a", u"b" }, { u"c" } }, CLIP_TABLE },
    };
    for (const auto& [name, text, rows, shape] : cases) {
        const ClipboardTable table = ParseClipboardTable(text);
        EXPECT_EQ(table.matrix, rows) << name;
        EXPECT_EQ(table.shape, shape) << name;
        EXPECT_EQ(ClipboardTableShape(text), shape) << name;
    }
    // Cells the grid dialog copies paste back unchanged: commas, quotes, tabs,
    // line breaks, blanks at the ends and empty cells too.
    const CellMatrix copied = { { u"Smith, John", u"", u"\"q\"", u"a\tb" },
        { u"", u"two\nlines", u" c", u"plain" }, { u"", u"", u"", u"" } };
    const std::u16string text = CellMatrixToClipboardText(copied);
    EXPECT_EQ(
        text, u"Smith, John\t\t\"\"\"q\"\"\"\t\"a\tb\"\r\n\t\"two\nlines\"\t\" c\"\tplain\r\n\t\t\t\"\"\r\n");
    EXPECT_EQ(ParseClipboardTable(text).matrix, copied);
}

// Cells of every length up to 17, so that each separator and line end falls
// at each place among the units looked at together; between them characters
// that end no cell: control characters, units above U+8000, a lone carriage
// return.
TEST(ParseClipboardTable, FindsEachCellsEndWhereverItFalls)
{
    const std::u16string filler = u"x\x01\u00e9\u8000;\uffff\x0e\u2028";
    const auto cell = [&filler](std::size_t length, std::size_t shift) {
        std::u16string text;
        for (std::size_t i = 0; i < length; ++i)
            text += filler[(i + shift) % filler.size()];
        return text;
    };
    for (const char16_t separator : { u'\t', u',' }) {
        CellMatrix rows;
        std::u16string text;
        for (std::size_t length = 0; length <= 17; ++length) {
            rows.push_back({ cell(length, length), cell(17 - length, 1), u"r\rs" });
            for (const std::u16string& each : rows.back())
                text += each + separator;
            text.back() = u'\n';
            if (length % 2 == 0)
                text.insert(text.size() - 1, 1, u'\r');
        }
        EXPECT_EQ(ParseClipboardTable(text).matrix, rows) << (separator == u'\t' ? "tabs" : "commas");
    }
}

} // namespace
