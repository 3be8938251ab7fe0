// The aligned table layout: widths by what the eye sees, escapes that keep
// the columns, and matrix shapes.
#include "core/table/TableLayout.h"
#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

LineList Aligned(const CellMatrix& matrix)
{
    return CellMatrixToLines(PadColumns(matrix));
}

struct LayoutCase {
    const char* name;
    CellMatrix matrix;
    LineList lines;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class AlignedLayoutTest : public testing::TestWithParam<LayoutCase> { };

TEST_P(AlignedLayoutTest, WritesLines)
{
    EXPECT_EQ(Aligned(GetParam().matrix), GetParam().lines);
}

const LayoutCase layoutCases[] = {
    { "LongestTextGetsTwoBlanks", { { u"Name", u"Quantity" }, { u"Widget", u"1" } },
        { u"| Name    | Quantity  |", u"| Widget  | 1         |" } },
    { "OneEmptyCell", { { u"" } }, { u"|   |" } },
    { "EmptyColumn", { { u"a", u"", u"b" }, { u"c", u"", u"d" } },
        { u"| a  |   | b  |", u"| c  |   | d  |" } },
    { "RowWithoutCells", { {} }, { u"|" } },
    { "NoRows", {}, {} },
    { "TrailingSegmentKeepsItsBlank", { { u"a", u" b" } }, { u"| a  |  b  |" } },
    // Wide characters take two columns of the view, combining marks none; a
    // character outside the BMP is one character, not two.
    { "WideCharacters", { { u"名前", u"x" }, { u"abc", u"数" } },
        { u"| 名前  | x   |", u"| abc   | 数  |" } },
    { "FullwidthLetters", { { u"ＡＢ" }, { u"abcd" } }, { u"| ＡＢ  |", u"| abcd  |" } },
    { "CombiningMark", { { u"e\u0301te" }, { u"ete" } }, { u"| e\u0301te  |", u"| ete  |" } },
    { "Emoji", { { u"\U0001F600" }, { u"ab" } }, { u"| \U0001F600  |", u"| ab  |" } },
    { "NarrowSupplementary", { { u"\U00010330" }, { u"a" } }, { u"| \U00010330  |", u"| a  |" } },
    { "ZeroWidthJoiner", { { u"a\u200Db" }, { u"ab" } }, { u"| a\u200Db  |", u"| ab  |" } },
    // A pipe that nothing escapes, and a line break, are written so that the
    // row keeps its columns; widths count them as written.
    { "UnescapedPipe", { { u"a|b", u"c" }, { u"x", u"y" } }, { u"| a\\|b  | c  |", u"| x     | y  |" } },
    { "EscapedPipeStays", { { u"a\\|b" } }, { u"| a\\|b  |" } },
    { "PipeAfterEscapedBackslash", { { u"a\\\\|b" } }, { u"| a\\\\\\|b  |" } },
    { "LineBreaks", { { u"two\r\nlines", u"x\ny\rz" } }, { u"| two\\nlines  | x\\ny\\nz  |" } },
    { "TrailingBackslashKeepsItsBlank", { { u"a\\" } }, { u"| a\\  |" } },
};

INSTANTIATE_TEST_SUITE_P(Tables, AlignedLayoutTest, testing::ValuesIn(layoutCases),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(TableLayout, StagesAsTheGridUsesThem)
{
    EXPECT_EQ(PadColumns({ { u"ab", u"" }, { u"c", u"d" } }),
        (CellMatrix { { u" ab ", u"   " }, { u" c  ", u" d " } }));
    // Unpadded cells get one blank after the widest of a column.
    EXPECT_EQ(CellMatrixToLines({ { u"ab", u"c" }, { u"d" } }), (LineList { u"|ab |c |", u"|d  |" }));
    EXPECT_EQ(FormatTableRow({ u"a", u"bb", u"c" }, { 3, 1 }), u"|a   |bb |c |");
}

// Whatever the cells hold, reading the written lines back gives the same
// number of columns, and the cells' texts as written.
TEST(TableLayout, WrittenRowsReadBackWithTheirColumns)
{
    const CellMatrix matrix = { { u"a|b", u"", u"x\\", u"1\n2" }, { u"\\|", u"|", u"名", u"e\u0301" } };
    const CellMatrix back = LinesToCellMatrix(Aligned(matrix));
    ASSERT_EQ(back.size(), matrix.size());
    for (std::size_t r = 0; r < matrix.size(); ++r) {
        ASSERT_EQ(back[r].size(), matrix[r].size()) << "row " << r;
        for (std::size_t c = 0; c < matrix[r].size(); ++c)
            EXPECT_EQ(back[r][c], WrittenCellText(matrix[r][c])) << r << ", " << c;
    }
    EXPECT_EQ(Aligned(back), Aligned(matrix));
}

TEST(TableLayout, ColumnsBeyondNinetyNine)
{
    CellRow row;
    for (int c = 0; c < 150; ++c)
        row.push_back(std::u16string(static_cast<std::size_t>(c % 4), u'x'));
    const LineList lines = Aligned({ row, row });
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(SplitTableRow(lines[0]), row);
    EXPECT_EQ(lines[0], lines[1]);
}

TEST(TableLayout, AlignTableLinesFillsRaggedRows)
{
    EXPECT_EQ(AlignTableLines({ u"  | a | bb |\r", u"|c|\r", u"|" }),
        (LineList { u"| a  | bb  |", u"| c  |     |", u"|    |     |" }));
    EXPECT_EQ(AlignTableLines({ u"|", u"|" }), (LineList { u"|", u"|" }));
}

TEST(DisplayWidth, CountsColumnsOfTheView)
{
    EXPECT_EQ(DisplayWidth(u""), 0);
    EXPECT_EQ(DisplayWidth(u"abc"), 3);
    EXPECT_EQ(DisplayWidth(u"日本語"), 6);
    EXPECT_EQ(DisplayWidth(u"한국어"), 6);
    EXPECT_EQ(DisplayWidth(u"\u1100\u1161\u11A8"), 2); // a syllable of conjoining jamo
    EXPECT_EQ(DisplayWidth(u"a\u0308"), 1);
    EXPECT_EQ(DisplayWidth(u"\u00E9"), 1);
    EXPECT_EQ(DisplayWidth(u"\U0001F600\U0001F3B8"), 4);
    EXPECT_EQ(DisplayWidth(u"\uFE0F\u00AD"), 0);
    EXPECT_EQ(DisplayWidth(std::u16string(1, u'\xD800')), 1); // a lone surrogate
}

TEST(MatrixShape, PadToRectangleAndTranspose)
{
    const CellMatrix ragged = { { u"a", u"b" }, { u"c" }, {} };
    EXPECT_EQ(PadToRectangle(ragged), (CellMatrix { { u"a", u"b" }, { u"c", u"" }, { u"", u"" } }));
    EXPECT_EQ(TransposeCellMatrix(ragged), (CellMatrix { { u"a", u"c" }, { u"b" } }));
    const CellMatrix rectangle = { { u"1", u"2" }, { u"3", u"4" }, { u"5", u"6" } };
    EXPECT_EQ(TransposeCellMatrix(rectangle), (CellMatrix { { u"1", u"3", u"5" }, { u"2", u"4", u"6" } }));
    EXPECT_EQ(TransposeCellMatrix(TransposeCellMatrix(rectangle)), rectangle);
    EXPECT_EQ(TransposeCellMatrix({}), CellMatrix {});
    EXPECT_EQ(TransposeCellMatrix({ {}, {} }), CellMatrix {});
}

} // namespace
