#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <QAction>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GridClipboard, PasteFillsFromTheSelectionsTopLeftCellAndDropsWhatOverflows)
{
    ShownGrid shown;
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("1\t2\t3\r\n4\t5\t6\r\n7\t8\t9")));
    shown.Press({ 8, 3, 8, 3 }, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Rows(8, 9), "r8c1 | r8c2 | 1 | 2\nr9c1 | r9c2 | 4 | 5\n");
    // The grid has not grown: the pasted cells are selected.
    EXPECT_EQ(shown.grid.GetSelectedRange(), CCellRange(8, 3, 9, 4));

    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("t")));
    shown.Press({ 4, 2, 6, 3 }, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Rows(4, 5), "r4c1 | t | r4c3 | r4c4\nr5c1 | r5c2 | r5c3 | r5c4\n");
    EXPECT_EQ(shown.grid.GetSelectedRange(), CCellRange(4, 2, 4, 2));
}

// Spreadsheets quote a cell that holds a tab, a line break or a quote; such a
// block lands cell for cell and copies back as it came.
TEST(GridClipboard, QuotedSpreadsheetCellsPasteCellForCellAndCopyBackIdentical)
{
    ShownGrid shown;
    const QString block = QStringLiteral("\"a\tb\"\tc\r\n\"line1\nline2\"\t\"say \"\"hi\"\"\"");
    ASSERT_TRUE(CopyTextToClipboard(block + QStringLiteral("\r\n")));
    shown.Press({ 2, 2, 2, 2 }, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Rows(2, 4),
        "r2c1 | a\tb | c | r2c4\nr3c1 | line1\nline2 | say \"hi\" | r3c4\n"
        "r4c1 | r4c2 | r4c3 | r4c4\n");
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(GetClipboardText(), block);
}

TEST(GridClipboard, PasteCutAndDeletePassOverHiddenAndRefusedCellsAndCopyKeepsHoles)
{
    ShownGrid shown(CCellID(1, 1));
    shown.grid.SetRowHeight(2, 0);
    shown.grid.SetColumnWidth(2, 0);
    shown.grid.SetItemState(3, 3, CELL_READONLY);
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [](int row, int col, GridEditResult* result) { result->vetoed = row == 3 && col == 4; });
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("a\tb\tc\r\nd\te\tf")));
    shown.grid.PasteClipboard();
    EXPECT_EQ(shown.Rows(1, 3), "a | r1c2 | b | c\nr2c1 | r2c2 | r2c3 | r2c4\nd | r3c2 | r3c3 | r3c4\n");

    // A read-only target refuses the whole paste.
    shown.FocusOn(3, 3);
    shown.grid.PasteClipboard();
    EXPECT_EQ(shown.Rows(3, 3), "d | r3c2 | r3c3 | r3c4\n");

    // A cut copies what shows, holes as empty texts, and clears what is allowed, as Delete does.
    shown.FocusOn(1, 1);
    shown.grid.SetSelectedRange({ 1, 1, 1, 3 });
    shown.grid.SetItemState(3, 4, CELL_SELECTED);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(GetClipboardText(), QStringLiteral("a\tb\t\r\n\t\tr3c4"));
    shown.Press({ 3, 1, 3, 3 }, Qt::Key_Delete);
    EXPECT_EQ(shown.Rows(1, 3), " | r1c2 |  | c\nr2c1 | r2c2 | r2c3 | r2c4\n | r3c2 | r3c3 | r3c4\n");
    EXPECT_TRUE(shown.grid.GetItemState(3, 1) & CELL_MODIFIED);

    // Ctrl+Insert copies and Shift+Insert pastes, as Ctrl+C and Ctrl+V do.
    shown.Press({ 1, 4, 1, 4 }, Qt::Key_Insert, Qt::ControlModifier);
    shown.Press({ 3, 1, 3, 1 }, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown.Rows(3, 3), "c | r3c2 | r3c3 | r3c4\n");
}

// A paste and a Delete each tell once which cells they changed, with the
// texts they had, in the order they changed them; a cell that already had its
// new text is left out.
TEST(GridClipboard, ACommandReportsTheCellsItChangedOnce)
{
    ShownGrid shown;
    std::vector<std::string> reports;
    QObject::connect(
        &shown.grid, &CGridCtrl::cellsChanged, [&reports](const std::vector<GridCellText>& before) {
            std::string report;
            for (const GridCellText& cell : before)
                report += std::to_string(cell.row) + ',' + std::to_string(cell.col) + ' '
                    + cell.text.ToString().toStdString() + ';';
            reports.push_back(report);
        });
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("x\tr2c3\r\ny\tz")));
    shown.Press({ 2, 2, 2, 2 }, Qt::Key_V, Qt::ControlModifier);
    shown.Press({ 2, 2, 3, 2 }, Qt::Key_Delete);
    EXPECT_EQ(reports, (std::vector<std::string> { "2,2 r2c2;3,2 r3c2;3,3 r3c3;", "2,2 x;3,2 y;" }));
}

// The texts of the actions enabled as the grid now stands.
std::string Enabled(CGridCtrl& grid)
{
    grid.UpdateActionStates();
    std::string texts;
    for (const QAction* action : { grid.CopyAction(), grid.CutAction(), grid.PasteAction() })
        if (action->isEnabled())
            texts += action->text().toStdString() + ';';
    return texts;
}

TEST(GridClipboard, ActionsAreEnabledAsTheGridStands)
{
    ShownGrid shown;
    shown.grid.SetFocusCell(2, 2);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("x")));
    EXPECT_EQ(Enabled(shown.grid), "&Paste;");
    shown.grid.SetSelectedRange({ 2, 2, 3, 3 });
    EXPECT_EQ(Enabled(shown.grid), "&Copy;Cu&t;&Paste;");
    ASSERT_TRUE(CopyTextToClipboard(QString()));
    EXPECT_EQ(Enabled(shown.grid), "&Copy;Cu&t;");
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("x")));
    shown.grid.SetItemState(2, 2, CELL_READONLY);
    EXPECT_EQ(Enabled(shown.grid), "&Copy;Cu&t;");
}

} // namespace
