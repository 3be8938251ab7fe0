// Rows laid out, and cells to and from the clipboard's text. Rows as files
// hold them, split at their pipes and aligned in place, are in the golden files.
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

namespace {

// Unescaped pipes and line breaks are written so that the row keeps its columns,
// widths counting them as written; the rows read back and AlignTableLines keeps them.
TEST(CellMatrixToLines, PadsEveryColumnToItsWidestCellAndReadsBackAsWritten)
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
        EXPECT_EQ(CellMatrixToLines(PadColumns(PadToRectangle(matrix))), lines);
        EXPECT_EQ(AlignTableLines(lines), lines);
        CellMatrix written = PadToRectangle(matrix);
        for (CellRow& row : written)
            std::ranges::transform(row, row.begin(), WrittenCellText);
        EXPECT_EQ(LinesToCellMatrix(lines), written);
    }
}

// A lone surrogate, which no file holds, one column; a tab to the next stop, at
// least one column. Widths of what files hold are in the align golden file.
TEST(DisplayWidth, CountsColumnsOfTheView)
{
    EXPECT_EQ(DisplayWidth(std::u16string(1, u'\xD800')), 1);
    EXPECT_EQ(DisplayColumn(u"abcdefgh\t", 8), 16);
    EXPECT_EQ(DisplayColumn(u"a\u0308日本語\t\U0001F600", 8), 10);
    EXPECT_EQ(DisplayColumn(u"ab\tc", 0), 4);
}

using AlignWholeTextTest = English;

TEST_F(AlignWholeTextTest, LinesPastTheAnalysedOnesStayAsTheyAre)
{
    const std::u16string text = Crlf({ u"|a|", u"|bb|", u"|c|" });
    EXPECT_EQ(
        AlignWholeText(TextLineSource(text), Analysed(text, 2)), Crlf({ u"| a   |", u"| bb  |", u"|c|" }));
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
    }
    // Cells the grid dialog copies paste back unchanged: commas, quotes, tabs,
    // line breaks, blanks at the ends and empty cells too.
    const CellMatrix copied
        = { { u"Smith, John", u"", u"\"q\"", u"a\tb" }, { u"", u"two\nlines", u" c", u"plain" } };
    const std::u16string text = CellMatrixToClipboardText(copied);
    EXPECT_EQ(text, u"Smith, John\t\t\"\"\"q\"\"\"\t\"a\tb\"\r\n\t\"two\nlines\"\t\" c\"\tplain\r\n");
    EXPECT_EQ(ParseClipboardTable(text).matrix, copied);
}

} // namespace
