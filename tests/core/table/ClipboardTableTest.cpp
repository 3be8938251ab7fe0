// Clipboard text read as a table, and cells written for the clipboard.
#include "core/table/ClipboardTable.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct ParseCase {
    const char* name;
    std::u16string text;
    CellMatrix rows;
    ClipboardShape shape;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseClipboardTableTest : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseClipboardTableTest, GivesRowsAndShape)
{
    const ParseCase& c = GetParam();
    const ClipboardTable table = ParseClipboardTable(c.text);
    EXPECT_EQ(table.matrix, c.rows);
    EXPECT_EQ(table.shape, c.shape);
}

const ParseCase parseCases[] = {
    { "Empty", u"", {}, CLIP_EMPTY },
    { "OnlyLineBreaks", u"\r\n\n\r\n", {}, CLIP_EMPTY },
    { "OneCell", u"a", { { u"a" } }, CLIP_CELL },
    { "OneCellWithLineEnd", u" a \r\n", { { u"a" } }, CLIP_CELL },
    { "BlankLineIsOneEmptyCell", u"  ", { { u"" } }, CLIP_CELL },
    // Tab-separated, as spreadsheets copy: only tabs separate, quotes are text.
    { "SpreadsheetBlock", u"a\tb\r\nc\td\r\n", { { u"a", u"b" }, { u"c", u"d" } }, CLIP_TABLE },
    { "TabRow", u"a\tb", { { u"a", u"b" } }, CLIP_ROW },
    { "CommaInsideTabSeparatedCell", u"Smith, John\t42", { { u"Smith, John", u"42" } }, CLIP_ROW },
    { "QuotesInsideTabSeparatedCell", u"\"a\"\tb", { { u"\"a\"", u"b" } }, CLIP_ROW },
    { "TabsAdjacentAndAtTheEnd", u"a\t\tb\t\r\n\tc", { { u"a", u"", u"b" }, { u"", u"c" } }, CLIP_TABLE },
    { "TabCellsTrimmed", u" x \t y \r\n", { { u"x", u"y" } }, CLIP_ROW },
    // A blank cell of a copied column keeps the rows below it in place.
    { "EmptyLineIsAnEmptyCell", u"a\r\n\r\nb\r\n\r\n\r\n", { { u"a" }, { u"" }, { u"b" } }, CLIP_COLUMN },
    { "LeadingEmptyLine", u"\na,b", { { u"" }, { u"a", u"b" } }, CLIP_TABLE },
    { "EmptyLineInCsv", u"a,b\n\nc,d\n", { { u"a", u"b" }, { u"" }, { u"c", u"d" } }, CLIP_TABLE },
    // Comma-separated with CSV quoting.
    { "CommaTable", u"a,b\nc,d", { { u"a", u"b" }, { u"c", u"d" } }, CLIP_TABLE },
    { "Column", u"a\nb\n", { { u"a" }, { u"b" } }, CLIP_COLUMN },
    { "RaggedRowsMakeATable", u"a\nb,c", { { u"a" }, { u"b", u"c" } }, CLIP_TABLE },
    { "CommasAdjacentAndAtTheEnd", u"a,,b,", { { u"a", u"", u"b" } }, CLIP_ROW },
    { "QuotedComma", u"\"Smith, John\",42", { { u"Smith, John", u"42" } }, CLIP_ROW },
    { "DoubledQuote", u"\"say \"\"hi\"\"\",x", { { u"say \"hi\"", u"x" } }, CLIP_ROW },
    { "QuotedLineBreak", u"\"two\nlines\",x\ny,z", { { u"two\nlines", u"x" }, { u"y", u"z" } }, CLIP_TABLE },
    { "BlanksOutsideQuotesGoInsideStay", u" \" a \" , b ", { { u" a ", u"b" } }, CLIP_ROW },
    { "EmptyQuotedCell", u"\"\",x", { { u"", u"x" } }, CLIP_ROW },
    { "UnclosedQuoteIsText", u"\"a,b\nc", { { u"\"a", u"b" }, { u"c" } }, CLIP_TABLE },
    { "QuoteInsideACellIsText", u"5\" pipe,x", { { u"5\" pipe", u"x" } }, CLIP_ROW },
};

INSTANTIATE_TEST_SUITE_P(Shapes, ParseClipboardTableTest, testing::ValuesIn(parseCases),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(CellMatrixToClipboardText, RowsEndWithCrLfAndCellsAreTabSeparated)
{
    EXPECT_EQ(CellMatrixToClipboardText({ { u"x", u"y" } }), u"x\ty\r\n");
    EXPECT_EQ(CellMatrixToClipboardText({ { u"x" }, { u"y" } }), u"x\r\ny\r\n");
    EXPECT_EQ(CellMatrixToClipboardText({}), u"");
    EXPECT_EQ(CellMatrixToClipboardText({ {} }), u"\r\n");
}

TEST(CellMatrixToClipboardText, CopiedCellsPasteBackUnchanged)
{
    const CellMatrix m = { { u"Smith, John", u"", u"\"q\"" }, { u"", u"b", u"c" } };
    const ClipboardTable back = ParseClipboardTable(CellMatrixToClipboardText(m));
    EXPECT_EQ(back.matrix, m);
    EXPECT_EQ(back.shape, CLIP_TABLE);
}

} // namespace
