// Rows split into cells, and the aligned layout: widths by what the eye
// sees, escapes that keep the columns.
#include "core/table/TableLayout.h"
#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SplitCase {
    const char* name;
    std::u16string line;
    CellRow cells;
};

class SplitTableRowTest : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitTableRowTest, GivesCells)
{
    EXPECT_EQ(SplitTableRow(GetParam().line), GetParam().cells);
}

const SplitCase splitCases[] = {
    { "IndentedWithCarriageReturn", u"    | a | b |\r", { u"a", u"b" } },
    { "BlankCells", u"| |   |", { u"", u"" } },
    { "AdjacentPipesAreAnEmptyCell", u"|a||b|", { u"a", u"", u"b" } },
    { "LonePipe", u"|", {} },
    { "TextBeforeTheFirstPipe", u"x | y |", { u"x", u"y" } },
    // Text after the last pipe is a cell as it stands, with its leading blanks.
    { "TextAfterTheLastPipe", u"| a | b", { u"a", u" b" } },
    { "TrailingBlanksAfterTheLastPipe", u"| a |   \r", { u"a" } },
    // An odd run of backslashes escapes the pipe, an even one does not.
    { "EscapedPipe", u"| a \\| b | \\\\\\|c |", { u"a \\| b", u"\\\\\\|c" } },
    { "EscapedBackslashesBeforePipe", u"| a\\\\| b\\ |", { u"a\\\\", u"b\\" } },
    { "EscapedPipeAtTheEnd", u"| a \\|", { u" a \\|" } },
};

INSTANTIATE_TEST_SUITE_P(Rows, SplitTableRowTest, testing::ValuesIn(splitCases),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

struct LayoutCase {
    const char* name;
    CellMatrix matrix;
    LineList lines;
};

class AlignedLayoutTest : public testing::TestWithParam<LayoutCase> { };

TEST_P(AlignedLayoutTest, WritesLines)
{
    EXPECT_EQ(CellMatrixToLines(PadColumns(GetParam().matrix)), GetParam().lines);
}

const LayoutCase layoutCases[] = {
    { "LongestTextGetsTwoBlanks", { { u"Name", u"Quantity" }, { u"Widget", u"1" } },
        { u"| Name    | Quantity  |", u"| Widget  | 1         |" } },
    { "EmptyColumn", { { u"a", u"", u"b" }, { u"c", u"", u"d" } },
        { u"| a  |   | b  |", u"| c  |   | d  |" } },
    { "RowWithoutCells", { {} }, { u"|" } },
    { "TrailingSegmentKeepsItsBlank", { { u"a", u" b" } }, { u"| a  |  b  |" } },
    // Wide characters take two columns of the view, combining marks none.
    { "WideCharacters", { { u"名前", u"x" }, { u"abc", u"数" } },
        { u"| 名前  | x   |", u"| abc   | 数  |" } },
    { "CombiningMarkAndEmoji", { { u"e\u0301te" }, { u"\U0001F600" } },
        { u"| e\u0301te  |", u"| \U0001F600   |" } },
    // A pipe nothing escapes and a line break are written so that the row
    // keeps its columns; widths count them as written.
    { "UnescapedPipe", { { u"a|b", u"a\\\\|b" }, { u"x", u"y" } },
        { u"| a\\|b  | a\\\\\\|b  |", u"| x     | y       |" } },
    { "LineBreaks", { { u"two\r\nlines", u"x\ny\rz" } }, { u"| two\\nlines  | x\\ny\\nz  |" } },
};

INSTANTIATE_TEST_SUITE_P(Tables, AlignedLayoutTest, testing::ValuesIn(layoutCases),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

// Whatever the cells hold, the written rows read back with their columns and
// the cells as written; AlignTableLines makes the same lines as the grid's
// two stages, ragged rows filled; no limit on the number of columns.
TEST(TableLayout, WrittenRowsReadBackWithTheirColumns)
{
    CellMatrix matrix = { { u"a|b", u"", u"x\\", u"1\n2", u"名" }, { u"\\|", u"|", u"e\u0301" } };
    for (int c = 0; c < 150; ++c)
        matrix[0].push_back(std::u16string(static_cast<std::size_t>(c % 4), u'x'));
    const LineList lines = CellMatrixToLines(PadColumns(PadToRectangle(matrix)));
    const CellMatrix back = LinesToCellMatrix(lines);
    ASSERT_EQ(back.size(), matrix.size());
    for (std::size_t r = 0; r < matrix.size(); ++r)
        for (std::size_t c = 0; c < back[r].size(); ++c)
            EXPECT_EQ(back[r][c], c < matrix[r].size() ? WrittenCellText(matrix[r][c]) : u"")
                << r << ", " << c;
    EXPECT_EQ(back[1].size(), matrix[0].size());
    EXPECT_EQ(AlignTableLines(lines), lines);
    EXPECT_EQ(AlignTableLines({ u"  | a | bb |\r", u"|c|\r", u"|" }),
        (LineList { u"| a  | bb  |", u"| c  |     |", u"|    |     |" }));
    EXPECT_EQ(FormatTableRow({ u"a", u"bb", u"c" }, { 3, 1 }), u"|a   |bb |c |");
}

TEST(DisplayWidth, CountsColumnsOfTheView)
{
    EXPECT_EQ(DisplayWidth(u"abc"), 3);
    EXPECT_EQ(DisplayWidth(u"日本語ＡＢ"), 10);
    EXPECT_EQ(DisplayWidth(u"\u1100\u1161\u11A8"), 2); // a syllable of conjoining jamo
    EXPECT_EQ(DisplayWidth(u"a\u0308\u200D\uFE0F\u00AD"), 1);
    EXPECT_EQ(DisplayWidth(u"\U0001F600\U00010330"), 3); // an emoji, a narrow Gothic letter
    EXPECT_EQ(DisplayWidth(std::u16string(1, u'\xD800')), 1); // a lone surrogate
}

TEST(DisplayWidth, ColumnsBehindALineStartCountTabsToTheNextStop)
{
    const struct {
        std::u16string_view text;
        int column;
    } cases[] = { { u"", 0 }, { u"abc", 3 }, { u"\t", 8 }, { u"abcdefg\t", 8 }, { u"abcdefgh\t", 16 },
        { u"\t\tx", 17 }, { u"日本\t", 8 }, { u"日本語ＡＢ\t", 16 }, { u"a\u0308\t\U0001F600", 10 } };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayColumn(c.text, 8), c.column) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(DisplayColumn(u"ab\tc", 4), 5);
    EXPECT_EQ(DisplayColumn(u"ab\tc", 0), 4) << "a tab moves at least one column";
}

TEST(MatrixShape, PadToRectangleAndTranspose)
{
    const CellMatrix ragged = { { u"a", u"b" }, { u"c" }, {} };
    EXPECT_EQ(PadToRectangle(ragged), (CellMatrix { { u"a", u"b" }, { u"c", u"" }, { u"", u"" } }));
    EXPECT_EQ(TransposeCellMatrix(ragged), (CellMatrix { { u"a", u"c" }, { u"b" } }));
    EXPECT_EQ(TransposeCellMatrix(TransposeCellMatrix(PadToRectangle(ragged))), PadToRectangle(ragged));
    EXPECT_EQ(TransposeCellMatrix({ {}, {} }), CellMatrix {});
}

} // namespace
