// Placeholders of a Scenario Outline, and their merge into an Examples header.
#include "core/table/Placeholders.h"
#include "core/editor/EditorTestSupport.h"
#include "core/table/TableRow.h"

#include <string>

namespace {

using CollectPlaceholdersTest = English;

// Lower lines first, left to right within a line; the walk stops at the
// first heading above, and a "<" finds its ">" on its own line only.
TEST_F(CollectPlaceholdersTest, TheScenariosOwnLinesBottomUp)
{
    const LineAnalysis analysis = Analysed(Crlf({
        u"Scenario Outline: A", // 0
        u"  Given <a>", // 1
        u"Scenario Outline: Eat <ignored>", // 2
        u"  Given there are <Quantity> cucumbers, x > 3", // 3
        u"  When I eat <Count> of <Count>", // 4
        u"  Then I should have <New Quantity> and <>, y < 5", // 5
        u"  Examples:", // 6
    }));
    EXPECT_EQ(CollectPlaceholders(analysis, 5),
        (PlaceholderList { u"New Quantity", u"", u"Count", u"Count", u"Quantity" }));
    EXPECT_EQ(CollectPlaceholders(analysis, 99), CollectPlaceholders(analysis, 5));
    EXPECT_EQ(CollectPlaceholders(analysis, 2), PlaceholderList {});

    const std::u16string name(200000, u'n');
    EXPECT_EQ(
        CollectPlaceholders(Analysed(u"Given <" + name + u"> and <" + name), 0), PlaceholderList { name });
}

CellMatrix Merged(LineList lines, const PlaceholderList& placeholders)
{
    MergePlaceholdersIntoHeader(lines, placeholders);
    return LinesToCellMatrix(lines);
}

TEST(MergePlaceholdersIntoHeader, KeepsEveryCellUnderItsHeader)
{
    const PlaceholderList outline = { u"New Quantity", u"Count", u"Quantity", u"Count", u"" };
    // The blank header of a new table gives way to the placeholders.
    EXPECT_EQ(Merged({ u"    | | |\r", u"    | | |" }, outline),
        (CellMatrix { { u"New Quantity", u"Count", u"Quantity" }, { u"", u"", u"" } }));
    // A blank header above data and a repeated name keep their columns; a
    // column empty in every row goes; a short row is filled first.
    EXPECT_EQ(Merged({ u"| a | | a | |", u"| 1 | 2 |", u"| 1 | 2 | 3 |" }, { u"Count" }),
        (CellMatrix { { u"a", u"", u"a", u"Count" }, { u"1", u"2", u"", u"" }, { u"1", u"2", u"3", u"" } }));
    // Names are compared as the header writes them.
    EXPECT_EQ(Merged({ u"| a \\| b |" }, { u"a | b", u"c|d" }), (CellMatrix { { u"a \\| b", u"c\\|d" } }));
}

} // namespace
