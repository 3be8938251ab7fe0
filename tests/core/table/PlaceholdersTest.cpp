// Placeholders of a Scenario Outline, and their merge into an Examples header.
#include "core/table/Placeholders.h"
#include "core/editor/EditorTestSupport.h"
#include "core/table/TableRow.h"

#include <string>

namespace {

using CollectPlaceholdersTest = English;

TEST_F(CollectPlaceholdersTest, LowerLinesFirstAndLeftToRightWithinALine)
{
    const std::u16string text = Crlf({
        u"Scenario Outline: Eat <ignored>", // 0
        u"  Given there are <Quantity> cucumbers", // 1
        u"  When I eat <Count> of <Count>", // 2
        u"  Then I should have <New Quantity> and <>", // 3
        u"  Examples:", // 4
    });
    const LineAnalysis analysis = Analysed(text);
    EXPECT_EQ(CollectPlaceholders(analysis, 3),
        (PlaceholderList { u"New Quantity", u"", u"Count", u"Count", u"Quantity" }));
    EXPECT_EQ(CollectPlaceholders(analysis, 1), (PlaceholderList { u"Quantity" }));
    EXPECT_EQ(CollectPlaceholders(analysis, 0), PlaceholderList {});
    EXPECT_EQ(CollectPlaceholders(analysis, 99), CollectPlaceholders(analysis, 4));
}

// A scenario's Examples take only its own placeholders: the walk stops at the
// first heading above, and a "<" finds its ">" on its own line only.
TEST_F(CollectPlaceholdersTest, OnlyTheScenariosOwnLines)
{
    const std::u16string text = Crlf({
        u"Scenario Outline: A", // 0
        u"  Given <a>", // 1
        u"  Examples:", // 2
        u"    | a |", // 3
        u"Scenario: B", // 4
        u"  Then x > 3 and <b>", // 5
        u"    | <c> |", // 6
        u"  When y < 5", // 7
        u"  Examples:", // 8
    });
    EXPECT_EQ(CollectPlaceholders(Analysed(text), 7), (PlaceholderList { u"c", u"b" }));
}

TEST_F(CollectPlaceholdersTest, VeryLongLine)
{
    const std::u16string name(200000, u'n');
    const std::u16string text = u"Given <" + name + u"> and <" + name;
    const PlaceholderList found = CollectPlaceholders(Analysed(text), 0);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], name);
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
    EXPECT_EQ(Merged({ u"| Quantity | Count |", u"| 5 | 1 |" }, outline),
        (CellMatrix { { u"Quantity", u"Count", u"New Quantity" }, { u"5", u"1", u"" } }));
    // A blank header above data, and a repeated name, keep their columns.
    EXPECT_EQ(Merged({ u"| a | | a |", u"| 1 | 2 | 3 |" }, { u"a" }),
        (CellMatrix { { u"a", u"", u"a" }, { u"1", u"2", u"3" } }));
    // Only a column empty in every row goes.
    EXPECT_EQ(Merged({ u"| a | | b |", u"| 1 | | 2 |", u"|" }, {}),
        (CellMatrix { { u"a", u"b" }, { u"1", u"2" }, { u"", u"" } }));
    // A short row is filled before the new column is added.
    EXPECT_EQ(Merged({ u"| a | b |", u"| 1 |", u"| 1 | 2 | 3 |" }, { u"p" }),
        (CellMatrix { { u"a", u"b", u"", u"p" }, { u"1", u"", u"", u"" }, { u"1", u"2", u"3", u"" } }));
    EXPECT_EQ(Merged({ u"| a \\| b |" }, { u"a | b", u"c|d" }), (CellMatrix { { u"a \\| b", u"c\\|d" } }));
}

TEST(MergePlaceholdersIntoHeader, WritesTheAlignedForm)
{
    LineList lines = { u"  | Quantity | Count |\r" };
    MergePlaceholdersIntoHeader(lines, { u"New Quantity" });
    EXPECT_EQ(lines, (LineList { u"| Quantity  | Count  | New Quantity  |" }));
    LineList none;
    MergePlaceholdersIntoHeader(none, { u"x" });
    EXPECT_TRUE(none.empty());
}

} // namespace
