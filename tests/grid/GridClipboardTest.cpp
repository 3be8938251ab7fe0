#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(GridClipboard, CopyKeepsHolesAndLeavesHiddenCellsOut)
{
    ShownGrid shown(CCellID(1, 1));
    shown.grid.SetSelectedRange({ 1, 1, 2, 2 });
    shown.grid.SetItemState(4, 4, CELL_SELECTED);
    shown.grid.SetRowHeight(2, 0);
    shown.grid.SetColumnWidth(3, 0);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(GetClipboardText(), QStringLiteral("r1c1\tr1c2\t\r\n\t\t\r\n\t\tr4c4"));
}

TEST(GridClipboard, PasteFillsFromTheTargetAndDropsWhatOverflows)
{
    const struct {
        const char* name;
        const char* clipboard;
        CCellRange target; // the selection before the paste
        const char* rows; // from the target's row on, afterwards
        CCellRange selected;
    } cases[] = {
        { "beyond the last row and column is dropped", "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9", { 8, 3, 8, 3 },
            "r8c1 | r8c2 | 1 | 2\nr9c1 | r9c2 | 4 | 5\n", { 8, 3, 9, 4 } },
        { "the top-left cell of the selection is the target", "t", { 4, 2, 6, 3 }, "r4c1 | t | r4c3 | r4c4\n",
            { 4, 2, 4, 2 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown;
        ASSERT_TRUE(CopyTextToClipboard(QString::fromUtf8(c.clipboard)));
        shown.Press(c.target, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown.Rows(c.target.minRow, c.selected.maxRow), c.rows);
        EXPECT_EQ(shown.grid.GetRowCount(), 10);
        EXPECT_EQ(shown.grid.GetColumnCount(), 5);
        EXPECT_EQ(shown.grid.GetSelectedRange(), c.selected);
    }
}

TEST(GridClipboard, PasteCutAndDeletePassOverHiddenRowsAndRefusedCells)
{
    ShownGrid shown(CCellID(1, 1));
    shown.grid.SetRowHeight(2, 0);
    shown.grid.SetItemState(3, 2, CELL_READONLY);
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [](int row, int col, GridEditResult* result) { result->vetoed = row == 3 && col == 3; });
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("a\tb\tc\r\nd\te\tf")));
    shown.grid.PasteClipboard();
    EXPECT_EQ(shown.Rows(1, 3), "a | b | c | r1c4\nr2c1 | r2c2 | r2c3 | r2c4\nd | r3c2 | r3c3 | r3c4\n");

    // A read-only target refuses the whole paste.
    shown.FocusOn(3, 2);
    shown.grid.PasteClipboard();
    EXPECT_EQ(shown.Rows(3, 3), "d | r3c2 | r3c3 | r3c4\n");

    // A cut copies what shows, and it and Delete clear what is allowed.
    shown.Press({ 1, 1, 3, 2 }, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(GetClipboardText(), QStringLiteral("a\tb\r\nd\tr3c2"));
    shown.Press({ 3, 3, 3, 4 }, Qt::Key_Delete);
    EXPECT_EQ(shown.Rows(1, 3), " |  | c | r1c4\nr2c1 | r2c2 | r2c3 | r2c4\n | r3c2 | r3c3 | \n");
    EXPECT_TRUE(shown.grid.GetItemState(3, 4) & CELL_MODIFIED);
}

TEST(GridClipboard, ActionsAreEnabledAsTheGridStands)
{
    const struct {
        const char* name;
        bool selection, editable, readOnlyFocus, clipboardText;
        bool copy, cut, paste;
    } cases[] = {
        { "nothing selected", false, true, false, true, false, false, true },
        { "not editable", true, false, false, true, true, false, false },
        { "a read-only focus cell", true, true, true, true, true, true, false },
        { "an empty clipboard", true, true, false, false, true, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown;
        shown.grid.SetFocusCell(2, 2);
        if (c.selection)
            shown.grid.SetSelectedRange({ 2, 2, 3, 3 });
        shown.grid.SetEditable(c.editable);
        if (c.readOnlyFocus)
            shown.grid.SetItemState(2, 2, CELL_READONLY);
        ASSERT_TRUE(CopyTextToClipboard(c.clipboardText ? QStringLiteral("x") : QString()));
        shown.grid.UpdateActionStates();
        EXPECT_EQ(shown.grid.CopyAction()->isEnabled(), c.copy);
        EXPECT_EQ(shown.grid.CutAction()->isEnabled(), c.cut);
        EXPECT_EQ(shown.grid.DeleteAction()->isEnabled(), c.cut);
        EXPECT_EQ(shown.grid.PasteAction()->isEnabled(), c.paste);
        EXPECT_TRUE(shown.grid.SelectAllAction()->isEnabled());
    }
}

} // namespace
