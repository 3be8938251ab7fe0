// Table lines split into cells.
#include "core/table/TableRow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct SplitCase {
    const char* name;
    std::u16string line;
    CellRow cells;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.name;
}

class SplitTableRowTest : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitTableRowTest, GivesCells)
{
    EXPECT_EQ(SplitTableRow(GetParam().line), GetParam().cells);
}

const SplitCase splitCases[] = {
    { "TwoCells", u"| a | b |", { u"a", u"b" } },
    { "IndentedWithCarriageReturn", u"    | a | b |\r", { u"a", u"b" } },
    { "TwoEmptyCells", u"| |   |", { u"", u"" } },
    { "AdjacentPipesAreAnEmptyCell", u"|a||b|", { u"a", u"", u"b" } },
    { "PipesOnly", u"|||", { u"", u"" } },
    { "LonePipe", u"|", {} },
    { "Empty", u"", {} },
    { "BlanksOnly", u" \t \r", {} },
    { "TextBeforeTheFirstPipe", u"x | y |", { u"x", u"y" } },
    // Text after the last pipe is a cell as it stands, with its leading blanks.
    { "TextAfterTheLastPipe", u"| a | b", { u"a", u" b" } },
    { "NoPipeAtAll", u"x | y", { u"x", u" y" } },
    { "TrailingBlanksAfterTheLastPipe", u"| a |   \r", { u"a" } },
    // Escapes: an odd run of backslashes escapes the pipe, an even one does not.
    { "EscapedPipe", u"| a \\| b | c |", { u"a \\| b", u"c" } },
    { "EscapedBackslashBeforePipe", u"| a\\\\| b |", { u"a\\\\", u"b" } },
    { "ThreeBackslashes", u"| \\\\\\|a | b |", { u"\\\\\\|a", u"b" } },
    { "BackslashBeforeBlank", u"| this\\ | that\\\\ |", { u"this\\", u"that\\\\" } },
    { "EscapedPipeAtTheEnd", u"| a \\|", { u" a \\|" } },
    { "OtherEscapesKept", u"| \\n\\o | x |", { u"\\n\\o", u"x" } },
    { "WideCells", u"| 名前 | 数量 |", { u"名前", u"数量" } },
};

INSTANTIATE_TEST_SUITE_P(Rows, SplitTableRowTest, testing::ValuesIn(splitCases),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(LinesToCellMatrix, SplitsEachLineInOrder)
{
    EXPECT_EQ(LinesToCellMatrix({ u"| a | b |\r", u"|\r", u"| c |" }),
        (CellMatrix { { u"a", u"b" }, {}, { u"c" } }));
    EXPECT_EQ(LinesToCellMatrix({}), CellMatrix {});
}

} // namespace
