#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace {

// From the cell (2, 2) clicked first, a click with its modifiers or keys.
TEST(GridSelection, ClicksAndKeysSelectCellsRowsColumnsOrEverything)
{
    const struct {
        const char* name;
        CCellID click;
        Qt::KeyboardModifiers modifiers;
        std::vector<QKeyCombination> keys;
        CCellRange selected; // its bounds
        CCellID focus, unselected;
    } cases[] = {
        { "a cell", { 3, 3 }, {}, {}, { 3, 3, 3, 3 }, { 3, 3 }, { 2, 2 } },
        { "Shift extends from the first", { 4, 3 }, Qt::ShiftModifier, {}, { 2, 2, 4, 3 }, { 4, 3 },
            { 1, 2 } },
        { "Ctrl adds to the selection", { 4, 3 }, Qt::ControlModifier, {}, { 2, 2, 4, 3 }, { 4, 3 },
            { 3, 2 } },
        { "a column header", { 0, 3 }, {}, {}, { 1, 3, 9, 3 }, { 1, 3 }, { 2, 2 } },
        { "Shift to a column header", { 0, 4 }, Qt::ShiftModifier, {}, { 1, 2, 9, 4 }, { 1, 4 }, { 1, 1 } },
        { "a row header", { 5, 0 }, {}, {}, { 5, 1, 5, 4 }, { 5, 1 }, { 2, 2 } },
        { "the corner, which stays unselected", { 0, 0 }, {}, {}, { 1, 1, 9, 4 }, { 1, 1 }, { 0, 0 } },
        { "Ctrl+A, the data cells only", {}, {}, { Qt::ControlModifier | Qt::Key_A }, { 1, 1, 9, 4 },
            { 2, 2 }, { 0, 1 } },
        { "Shift and arrows extend", {}, {},
            { Qt::ShiftModifier | Qt::Key_Down, Qt::ShiftModifier | Qt::Key_Right }, { 2, 2, 3, 3 }, { 3, 3 },
            { 1, 2 } },
        { "an arrow after Shift starts anew", {}, {}, { Qt::ShiftModifier | Qt::Key_Down, Qt::Key_Right },
            { 3, 3, 3, 3 }, { 3, 3 }, { 2, 2 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown;
        shown.Click(2, 2);
        QSignalSpy changed(&shown.grid, &CGridCtrl::selectionChanged);
        if (c.click.IsValid())
            shown.Click(c.click.row, c.click.col, c.modifiers);
        for (const QKeyCombination key : c.keys)
            Key(key.key(), key.keyboardModifiers());
        EXPECT_EQ(shown.grid.GetSelectedRange(), c.selected);
        EXPECT_EQ(shown.grid.GetFocusCell(), c.focus);
        EXPECT_FALSE(shown.grid.IsCellSelected(c.unselected.row, c.unselected.col));
        // Each click and each key is announced once.
        EXPECT_EQ(changed.count(), std::max<qsizetype>(1, c.keys.size()));
    }
}

// Even from the focused cell, which a click would edit.
TEST(GridMouse, DraggingSelectsARectangleAndScrollsBeyondTheEdge)
{
    ShownGrid shown({ 2, 1 }, 80);
    QSignalSpy changing(&shown.grid, &CGridCtrl::selectionChanging);
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(2, 1));
    QTest::mouseMove(shown.grid.viewport(), shown.Centre(4, 3));
    EXPECT_EQ(shown.grid.GetSelectedRange(), CCellRange(2, 1, 4, 3));
    // Below the last visible row the grid scrolls on by itself.
    QTest::mouseMove(
        shown.grid.viewport(), QPoint(shown.Centre(4, 3).x(), shown.grid.viewport()->height() + 20));
    QTRY_VERIFY(shown.grid.verticalScrollBar()->value() > 100);
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(4, 3));
    EXPECT_EQ(shown.grid.GetSelectedRange().TopLeft(), CCellID(2, 1));
    EXPECT_GT(shown.grid.GetSelectedRange().maxRow, 12);
    EXPECT_EQ(changing.count(), 1);
    EXPECT_FALSE(shown.Editor());
}

TEST(GridMouse, AClickOnTheFocusedCellEditsItOnReleaseAndADoubleClickAnyCell)
{
    ShownGrid shown;
    shown.Click(3, 2);
    EXPECT_FALSE(shown.Editor());
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(3, 2));
    EXPECT_FALSE(shown.Editor());
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(3, 2));
    ASSERT_TRUE(shown.Editor());
    EXPECT_EQ(shown.Editor()->cursorPosition(), 4);

    QSignalSpy doubleClicked(&shown.grid, &CGridCtrl::doubleClicked);
    QTest::mouseDClick(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(8, 4));
    EXPECT_EQ(shown.EditorCell(), CCellID(8, 4));
    EXPECT_EQ(doubleClicked.count(), 1);
}

// The focus goes to the first data cell of a header clicked, and stays
// where it was outside every cell.
TEST(GridMouse, RightClickReportsTheCellAndFocusesItsFirstDataCell)
{
    ShownGrid shown(CCellID(7, 3));
    QSignalSpy rightClicked(&shown.grid, &CGridCtrl::rightClicked);
    const auto rightClick
        = [&shown](const QPoint& at) { QTest::mouseClick(shown.grid.viewport(), Qt::RightButton, {}, at); };
    rightClick(shown.grid.viewport()->rect().bottomRight() - QPoint(2, 2));
    EXPECT_EQ(shown.grid.GetFocusCell(), CCellID(7, 3));
    rightClick(shown.Centre(0, 0));
    EXPECT_EQ(shown.grid.GetFocusCell(), CCellID(1, 1));
    rightClick(shown.Centre(4, 2));
    EXPECT_EQ(shown.grid.GetFocusCell(), CCellID(4, 2));
    EXPECT_EQ(rightClicked, (QList<QVariantList> { { -1, -1 }, { 0, 0 }, { 4, 2 } }));
}

TEST(GridMouse, DividersInTheHeadersResizeAndDoubleClicksFitThem)
{
    ShownGrid shown;
    const QRect cell = shown.Rect(0, 2);
    const QPoint divider(cell.right() + 1, cell.center().y());
    shown.Drag(divider, divider + QPoint(40, 0));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), cell.width() + 40);
    EXPECT_FALSE(shown.grid.GetSelectedRange().IsValid());
    QTest::mouseDClick(shown.grid.viewport(), Qt::LeftButton, {}, divider + QPoint(40, 0));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), cell.width());

    // The same place in a data row is a cell, not a divider.
    const QRect data = shown.Rect(3, 2);
    shown.Drag(QPoint(data.right(), data.center().y()), QPoint(data.right() + 30, data.center().y()));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), cell.width());

    const QRect rowHeader = shown.Rect(4, 0);
    const QPoint rowDivider(rowHeader.center().x(), rowHeader.bottom() + 1);
    shown.Drag(rowDivider, rowDivider + QPoint(0, 15));
    EXPECT_EQ(shown.grid.GetRowHeight(4), rowHeader.height() + 15);
}

// Text typed or pasted that outgrows its column widens it, never narrows it;
// a column the user sized by hand keeps the user's width.
TEST(GridMouse, ColumnsWidenToFitWhatIsTypedOrPastedUnlessSizedByHand)
{
    ShownGrid shown(CCellID(2, 2));
    const QString wide = QStringLiteral("a text much wider than the column was");
    const int width = shown.grid.GetColumnWidth(2);
    Type(wide + u'\r');
    EXPECT_GT(shown.grid.GetColumnWidth(2), width);
    EXPECT_EQ(shown.grid.GetColumnWidth(2), shown.grid.Model().GetCellExtent(2, 2).width());
    shown.FocusOn(3, 2);
    Type(QStringLiteral("abc\r"));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), shown.grid.Model().GetCellExtent(2, 2).width());

    ASSERT_TRUE(CopyTextToClipboard(wide));
    shown.Press({ 5, 4, 5, 4 }, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.grid.GetColumnWidth(4), shown.grid.Model().GetCellExtent(5, 4).width());

    const QRect header = shown.Rect(0, 3);
    const QPoint divider(header.right() + 1, header.center().y());
    shown.Drag(divider, divider + QPoint(-5, 0));
    shown.FocusOn(2, 3);
    Type(wide + u'\r');
    EXPECT_EQ(shown.grid.GetColumnWidth(3), header.width() - 5);
}

} // namespace
