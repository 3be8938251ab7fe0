// Clipboard text read as a table, and cells written for the clipboard.
#include "core/table/ClipboardTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParseClipboardTable, GivesRowsAndShape)
{
    const struct {
        const char* name;
        std::u16string text;
        CellMatrix rows;
        ClipboardShape shape;
    } cases[] = {
        { "empty", u"", {}, CLIP_EMPTY },
        { "only line breaks", u"\r\n\n\r\n", {}, CLIP_EMPTY },
        { "a blank line is one empty cell", u"  ", { { u"" } }, CLIP_CELL },
        // Tab-separated, as spreadsheets copy: only tabs separate, quotes are text.
        { "a tab row keeps commas and quotes", u" \"Smith, John\" \t42", { { u"\"Smith, John\"", u"42" } },
            CLIP_ROW },
        { "tabs adjacent and at the end", u"a\t\tb\t\r\n\tc", { { u"a", u"", u"b" }, { u"", u"c" } },
            CLIP_TABLE },
        // A blank cell of a copied column keeps the rows below it in place.
        { "an empty line is an empty cell", u"a\r\n\r\nb\r\n\r\n\r\n", { { u"a" }, { u"" }, { u"b" } },
            CLIP_COLUMN },
        { "a leading empty line", u"\na,b", { { u"" }, { u"a", u"b" } }, CLIP_TABLE },
        // Comma-separated with CSV quoting.
        { "ragged rows make a table", u"a\nb,c", { { u"a" }, { u"b", u"c" } }, CLIP_TABLE },
        { "commas adjacent and at the end", u"a,,b,", { { u"a", u"", u"b" } }, CLIP_ROW },
        { "a quoted comma and doubled quotes", u"\"Smith, \"\"J\"\"\",42", { { u"Smith, \"J\"", u"42" } },
            CLIP_ROW },
        { "a quoted line break", u"\"two\nlines\",x\ny,z", { { u"two\nlines", u"x" }, { u"y", u"z" } },
            CLIP_TABLE },
        { "blanks outside quotes go, inside stay", u" \" a \" ,\"\"", { { u" a ", u"" } }, CLIP_ROW },
        { "an unclosed quote is text", u"\"a,b\nc", { { u"\"a", u"b" }, { u"c" } }, CLIP_TABLE },
        { "a quote inside a cell is text", u"5\" pipe,x", { { u"5\" pipe", u"x" } }, CLIP_ROW },
    };
    for (const auto& c : cases) {
        const ClipboardTable table = ParseClipboardTable(c.text);
        EXPECT_EQ(table.matrix, c.rows) << c.name;
        EXPECT_EQ(table.shape, c.shape) << c.name;
    }
}

// Rows end with CR LF and cells are tab-separated, so that copied cells paste back unchanged.
TEST(CellMatrixToClipboardText, CopiedCellsPasteBackUnchanged)
{
    EXPECT_EQ(CellMatrixToClipboardText({ { u"x", u"y" }, { u"z" } }), u"x\ty\r\nz\r\n");
    const CellMatrix m = { { u"Smith, John", u"", u"\"q\"" }, { u"", u"b", u"c" } };
    const ClipboardTable back = ParseClipboardTable(CellMatrixToClipboardText(m));
    EXPECT_EQ(back.matrix, m);
    EXPECT_EQ(back.shape, CLIP_TABLE);
}

} // namespace
