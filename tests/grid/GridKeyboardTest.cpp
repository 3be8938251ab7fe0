#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(GridKeys, MoveTheFocusOverHiddenRowsAndColumnsAndAppendARowOnlyFromTheLastCell)
{
    const struct {
        const char* name;
        CCellID from;
        QKeyCombination key;
        CCellID to;
    } cases[] = {
        { "Up stays out of the header", { 1, 1 }, Qt::Key_Up, { 1, 1 } },
        { "Up passes over a hidden row", { 6, 2 }, Qt::Key_Up, { 4, 2 } },
        { "Down at the last visible row stays", { 8, 2 }, Qt::Key_Down, { 8, 2 } },
        { "Down passes over a hidden row", { 4, 2 }, Qt::Key_Down, { 6, 2 } },
        { "Left stays out of the header", { 3, 1 }, Qt::Key_Left, { 3, 1 } },
        { "Right at the end of a middle row stays", { 3, 4 }, Qt::Key_Right, { 3, 4 } },
        { "Right at the last visible cell appends a row", { 8, 4 }, Qt::Key_Right, { 10, 1 } },
        { "Tab passes over a hidden column", { 3, 2 }, Qt::Key_Tab, { 3, 4 } },
        { "Tab wraps to the next row", { 3, 4 }, Qt::Key_Tab, { 4, 1 } },
        { "Shift+Tab wraps back", { 3, 1 }, Qt::ShiftModifier | Qt::Key_Backtab, { 2, 4 } },
        { "Shift+Tab at the first cell stays", { 1, 1 }, Qt::ShiftModifier | Qt::Key_Backtab, { 1, 1 } },
        { "Home", { 3, 4 }, Qt::Key_Home, { 3, 1 } },
        { "Ctrl+Home", { 3, 4 }, Qt::ControlModifier | Qt::Key_Home, { 1, 1 } },
        { "End", { 3, 2 }, Qt::Key_End, { 3, 4 } },
        { "Ctrl+End", { 3, 2 }, Qt::ControlModifier | Qt::Key_End, { 8, 4 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown(c.from);
        shown.grid.SetRowHeight(5, 0);
        shown.grid.SetRowHeight(9, 0);
        shown.grid.SetColumnWidth(3, 0);
        QSignalSpy changing(&shown.grid, &CGridCtrl::selectionChanging);
        Key(c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(shown.grid.GetFocusCell(), c.to);
        EXPECT_EQ(shown.grid.GetRowCount(), std::max(10, c.to.row + 1));
        // A move selects the new cell alone and is announced.
        EXPECT_EQ(changing.count(), c.to == c.from ? 0 : 1);
        EXPECT_EQ(shown.grid.GetSelectedRange(), CCellRange(c.to.row, c.to.col, c.to.row, c.to.col));
    }
}

TEST(GridKeys, PageDownMovesByAPageAndKeepsTheFocusInView)
{
    ShownGrid shown({ 1, 1 }, 60);
    Key(Qt::Key_PageDown);
    const CCellID focus = shown.grid.GetFocusCell();
    EXPECT_GT(focus.row, 5);
    EXPECT_TRUE(shown.grid.IsCellVisible(focus.row, focus.col));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(shown.grid.GetFocusCell(), CCellID(1, 1));
    EXPECT_EQ(shown.grid.verticalScrollBar()->value(), 0);
}

TEST(GridKeys, CtrlAndKeypadPlusSizeTheColumnsAndInputMethodTextStartsAnEdit)
{
    ShownGrid shown(CCellID(2, 2));
    shown.grid.SetItemText(5, 3, QStringLiteral("a text far wider than the column"));
    const int width = shown.grid.GetColumnWidth(3);
    Key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_GT(shown.grid.GetColumnWidth(3), width);

    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u65e5\u672c"));
    QApplication::sendEvent(&shown.grid, &composed);
    ASSERT_TRUE(shown.Editor());
    EXPECT_EQ(shown.Editor()->text(), QStringLiteral("\u65e5\u672c"));
}

TEST(GridKeys, DoNothingWithoutAFocusCell)
{
    ShownGrid shown;
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("x")));
    Key(Qt::Key_V, Qt::ControlModifier);
    Type(QStringLiteral("y"));
    EXPECT_EQ(shown.grid.GetItemText(1, 1), QStringLiteral("r1c1"));
    EXPECT_FALSE(shown.Editor());
}

} // namespace
