#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The data cells of rows `first`..`last` as lines of " | "-joined texts.
std::string Rows(const CGridCtrl& grid, int first, int last)
{
    std::string text;
    for (int row = first; row <= last; ++row) {
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            text += (col > 1 ? " | " : "") + grid.GetItemText(row, col).toStdString();
        text += "\n";
    }
    return text;
}

TEST(GridClipboard, CopyKeepsHolesAndLeavesHiddenCellsOut)
{
    const struct {
        const char* name;
        void (*prepare)(CGridCtrl&);
        const char* copied;
    } cases[] = {
        { "a block",
            [](CGridCtrl& g) {
                g.SetSelectedRange({ 1, 1, 2, 2 });
            },
            "r1c1\tr1c2\r\nr2c1\tr2c2" },
        { "unselected cells stay as empty texts",
            [](CGridCtrl& g) {
                g.SetSelectedRange({ 1, 1, 1, 1 });
                g.SetItemState(2, 3, CELL_SELECTED);
            },
            "r1c1\t\t\r\n\t\tr2c3" },
        { "hidden rows and columns leave no separator",
            [](CGridCtrl& g) {
                g.SetSelectedRange({ 1, 1, 3, 3 });
                g.SetRowHeight(2, 0);
                g.SetColumnWidth(3, 0);
            },
            "r1c1\tr1c2\r\nr3c1\tr3c2" },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.grid.SetFocusCell(1, 1);
        c.prepare(shown.grid);
        ShownGrid::Key(Qt::Key_Insert, Qt::ControlModifier);
        EXPECT_EQ(GetClipboardText().toStdString(), c.copied) << c.name;
    }
}

TEST(GridClipboard, PasteFillsFromTheTargetAndDropsWhatOverflows)
{
    const struct {
        const char* name;
        const char* clipboard;
        CCellRange target; // the selection before the paste
        int firstRow, lastRow;
        const char* rows; // rows firstRow..lastRow afterwards
        CCellRange selected;
    } cases[] = {
        { "tab-separated", "x\ty\r\nz\tw\r\n", { 2, 2, 2, 2 }, 2, 3,
            "r2c1 | x | y | r2c4\nr3c1 | z | w | r3c4\n", { 2, 2, 3, 3 } },
        { "comma-separated", "a,b", { 1, 1, 1, 1 }, 1, 1, "a | b | r1c3 | r1c4\n", { 1, 1, 1, 2 } },
        { "beyond the last row and column is dropped", "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9", { 8, 3, 8, 3 }, 8, 9,
            "r8c1 | r8c2 | 1 | 2\nr9c1 | r9c2 | 4 | 5\n", { 8, 3, 9, 4 } },
        { "the top-left cell of the selection is the target", "t", { 4, 2, 6, 3 }, 4, 4,
            "r4c1 | t | r4c3 | r4c4\n", { 4, 2, 4, 2 } },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.grid.SetFocusCell(c.target.minRow, c.target.minCol);
        shown.grid.SetSelectedRange(c.target);
        ASSERT_TRUE(CopyTextToClipboard(QString::fromUtf8(c.clipboard)));
        ShownGrid::Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Rows(shown.grid, c.firstRow, c.lastRow), c.rows) << c.name;
        EXPECT_EQ(shown.grid.GetRowCount(), 10) << c.name;
        EXPECT_EQ(shown.grid.GetColumnCount(), 5) << c.name;
        EXPECT_EQ(Range(shown.grid.GetSelectedRange()), Range(c.selected)) << c.name;
    }
}

TEST(GridClipboard, PastePassesOverHiddenRowsAndRefusedCells)
{
    ShownGrid shown;
    shown.grid.SetRowHeight(2, 0);
    shown.grid.SetItemState(3, 2, CELL_READONLY);
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [](int row, int col, GridEditResult* result) { result->vetoed = row == 3 && col == 3; });
    shown.FocusOn(1, 1);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("a\tb\tc\r\nd\te\tf")));
    shown.grid.PasteClipboard();
    EXPECT_EQ(
        Rows(shown.grid, 1, 3), "a | b | c | r1c4\nr2c1 | r2c2 | r2c3 | r2c4\nd | r3c2 | r3c3 | r3c4\n");

    // A read-only target refuses the whole paste.
    shown.FocusOn(3, 2);
    shown.grid.PasteClipboard();
    EXPECT_EQ(shown.grid.GetItemText(3, 2), QStringLiteral("r3c2"));
    EXPECT_EQ(shown.grid.GetItemText(3, 3), QStringLiteral("r3c3"));
}

TEST(GridClipboard, CutAndDeleteClearOnlyWhatShowsAndIsAllowed)
{
    ShownGrid shown;
    shown.FocusOn(1, 1);
    shown.grid.SetSelectedRange({ 1, 1, 2, 3 });
    shown.grid.SetColumnWidth(2, 0);
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [](int row, int col, GridEditResult* result) { result->vetoed = row == 2 && col == 3; });
    ShownGrid::Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(GetClipboardText(), QStringLiteral("r1c1\tr1c3\r\nr2c1\tr2c3"));
    EXPECT_EQ(Rows(shown.grid, 1, 2), " | r1c2 |  | r1c4\n | r2c2 | r2c3 | r2c4\n");

    shown.grid.SetSelectedRange({ 3, 3, 4, 4 });
    ShownGrid::Key(Qt::Key_Delete);
    EXPECT_EQ(Rows(shown.grid, 3, 4), "r3c1 | r3c2 |  | \nr4c1 | r4c2 |  | \n");
    EXPECT_TRUE(shown.grid.GetItemState(4, 4) & CELL_MODIFIED);
}

TEST(GridClipboard, EachCommandThatMayChangeCellsAnnouncesItselfOnce)
{
    const struct {
        const char* name;
        void (*run)(ShownGrid&);
        int announced;
    } cases[] = {
        { "a paste of many cells", [](ShownGrid&) { ShownGrid::Key(Qt::Key_V, Qt::ControlModifier); }, 1 },
        { "a cut", [](ShownGrid&) { ShownGrid::Key(Qt::Key_X, Qt::ControlModifier); }, 1 },
        { "a Delete", [](ShownGrid&) { ShownGrid::Key(Qt::Key_Delete); }, 1 },
        { "typing on a cell, and Tab on to the next",
            [](ShownGrid&) {
                ShownGrid::Type(QStringLiteral("ab"));
                ShownGrid::Key(Qt::Key_Tab);
            },
            2 },
        { "a paste into the open editor",
            [](ShownGrid& s) {
                ShownGrid::Key(Qt::Key_F2);
                s.grid.PasteClipboard();
            },
            1 },
        { "a copy", [](ShownGrid&) { ShownGrid::Key(Qt::Key_C, Qt::ControlModifier); }, 0 },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.FocusOn(1, 1);
        shown.grid.SetSelectedRange({ 1, 1, 2, 2 });
        ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("a\tb\r\nc\td")));
        QSignalSpy announced(&shown.grid, &CGridCtrl::cellsAboutToChange);
        c.run(shown);
        EXPECT_EQ(announced.count(), c.announced) << c.name;
    }
}

TEST(GridClipboard, SelectAllTakesTheDataCellsOnly)
{
    ShownGrid shown;
    shown.FocusOn(3, 3);
    QSignalSpy changed(&shown.grid, &CGridCtrl::selectionChanged);
    ShownGrid::Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Range(shown.grid.GetSelectedRange()), Range({ 1, 1, 9, 4 }));
    EXPECT_FALSE(shown.grid.IsCellSelected(0, 2));
    EXPECT_FALSE(shown.grid.IsCellSelected(2, 0));
    EXPECT_FALSE(shown.grid.IsCellSelected(0, 0));
    EXPECT_EQ(changed.count(), 1);
}

TEST(GridClipboard, ActionsAreEnabledAsTheGridStands)
{
    const struct {
        const char* name;
        bool selection, editable, readOnlyFocus, clipboardText;
        bool copy, cut, paste;
    } cases[] = {
        { "nothing selected", false, true, false, true, false, false, true },
        { "a selection", true, true, false, true, true, true, true },
        { "not editable", true, false, false, true, true, false, false },
        { "a read-only focus cell", true, true, true, true, true, true, false },
        { "an empty clipboard", true, true, false, false, true, true, false },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.grid.SetFocusCell(2, 2);
        if (c.selection)
            shown.grid.SetSelectedRange({ 2, 2, 3, 3 });
        shown.grid.SetEditable(c.editable);
        if (c.readOnlyFocus)
            shown.grid.SetItemState(2, 2, CELL_READONLY);
        ASSERT_TRUE(CopyTextToClipboard(c.clipboardText ? QStringLiteral("x") : QString()));
        shown.grid.UpdateActionStates();
        EXPECT_EQ(shown.grid.CopyAction()->isEnabled(), c.copy) << c.name;
        EXPECT_EQ(shown.grid.CutAction()->isEnabled(), c.cut) << c.name;
        EXPECT_EQ(shown.grid.DeleteAction()->isEnabled(), c.cut) << c.name;
        EXPECT_EQ(shown.grid.PasteAction()->isEnabled(), c.paste) << c.name;
        EXPECT_TRUE(shown.grid.SelectAllAction()->isEnabled()) << c.name;
    }
    // Triggered from a menu they do what the keys do.
    ShownGrid shown;
    shown.grid.SelectAllAction()->trigger();
    shown.grid.CopyAction()->trigger();
    EXPECT_TRUE(GetClipboardText().startsWith(QStringLiteral("r1c1\tr1c2")));
}

} // namespace
