#include "GridTestSupport.h"

#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(GridMouse, ClicksSelectCellsRowsColumnsOrEverything)
{
    const struct {
        const char* name;
        CCellID first;
        CCellID second; // clicked with `modifiers` after `first`
        Qt::KeyboardModifiers modifiers;
        CCellRange selected;
        CCellID focus;
    } cases[] = {
        { "a cell", { 2, 2 }, { 3, 3 }, {}, { 3, 3, 3, 3 }, { 3, 3 } },
        { "Shift extends from the first", { 2, 2 }, { 4, 3 }, Qt::ShiftModifier, { 2, 2, 4, 3 }, { 4, 3 } },
        { "a column header", { 2, 2 }, { 0, 3 }, {}, { 1, 3, 9, 3 }, { 1, 3 } },
        { "Shift to another column header", { 0, 2 }, { 0, 4 }, Qt::ShiftModifier, { 1, 2, 9, 4 }, { 1, 4 } },
        { "a row header", { 2, 2 }, { 5, 0 }, {}, { 5, 1, 5, 4 }, { 5, 1 } },
        { "the corner", { 2, 2 }, { 0, 0 }, {}, { 1, 1, 9, 4 }, { 1, 1 } },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.Click(c.first.row, c.first.col);
        QSignalSpy changed(&shown.grid, &CGridCtrl::selectionChanged);
        QSignalSpy clicked(&shown.grid, &CGridCtrl::clicked);
        shown.Click(c.second.row, c.second.col, c.modifiers);
        EXPECT_EQ(Range(shown.grid.GetSelectedRange()), Range(c.selected)) << c.name;
        EXPECT_EQ(Cell(shown.grid.GetFocusCell()), Cell(c.focus)) << c.name;
        EXPECT_EQ(changed.count(), 1) << c.name;
        ASSERT_EQ(clicked.count(), 1) << c.name;
        EXPECT_EQ(Cell({ clicked[0][0].toInt(), clicked[0][1].toInt() }), Cell(c.second)) << c.name;
        EXPECT_FALSE(shown.Editor()) << c.name;
    }
}

TEST(GridMouse, CtrlClickAddsToTheSelection)
{
    ShownGrid shown;
    shown.Click(2, 1);
    shown.Click(4, 3, Qt::ControlModifier);
    EXPECT_TRUE(shown.grid.IsCellSelected(2, 1));
    EXPECT_TRUE(shown.grid.IsCellSelected(4, 3));
    EXPECT_FALSE(shown.grid.IsCellSelected(3, 2));
}

TEST(GridMouse, DraggingSelectsARectangleAndScrollsBeyondTheEdge)
{
    ShownGrid shown(80, 5);
    QSignalSpy changing(&shown.grid, &CGridCtrl::selectionChanging);
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(2, 1));
    QTest::mouseMove(shown.grid.viewport(), shown.Centre(4, 3));
    EXPECT_EQ(Range(shown.grid.GetSelectedRange()), Range({ 2, 1, 4, 3 }));
    // Below the last visible row the grid scrolls on by itself.
    QTest::mouseMove(
        shown.grid.viewport(), QPoint(shown.Centre(4, 3).x(), shown.grid.viewport()->height() + 20));
    QTRY_VERIFY(shown.grid.verticalScrollBar()->value() > 100);
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(4, 3));
    const CCellRange selected = shown.grid.GetSelectedRange();
    EXPECT_EQ(Cell(selected.TopLeft()), Cell({ 2, 1 }));
    EXPECT_GT(selected.maxRow, 12);
    EXPECT_EQ(changing.count(), 1);
}

TEST(GridMouse, ClickOnTheFocusedCellEditsItOnRelease)
{
    ShownGrid shown;
    shown.Click(3, 2);
    EXPECT_FALSE(shown.Editor());
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(3, 2));
    EXPECT_FALSE(shown.Editor());
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(3, 2));
    ASSERT_TRUE(shown.Editor());
    EXPECT_EQ(shown.Editor()->cursorPosition(), 4);
    ShownGrid::Key(Qt::Key_Return);

    // Dragging away from it selects instead.
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(3, 2));
    QTest::mouseMove(shown.grid.viewport(), shown.Centre(5, 3));
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, shown.Centre(5, 3));
    EXPECT_FALSE(shown.Editor());
    EXPECT_EQ(Range(shown.grid.GetSelectedRange()), Range({ 3, 2, 5, 3 }));

    ShownGrid other;
    QSignalSpy doubleClicked(&other.grid, &CGridCtrl::doubleClicked);
    QTest::mouseDClick(other.grid.viewport(), Qt::LeftButton, {}, other.Centre(5, 4));
    EXPECT_TRUE(other.Editor());
    EXPECT_EQ(doubleClicked.count(), 1);
}

TEST(GridMouse, RightClickReportsTheCellAndFocusesItsFirstDataCell)
{
    const struct {
        const char* name;
        QPoint (*where)(const ShownGrid&);
        CCellID reported;
        CCellID focus;
    } cases[] = {
        { "the corner", [](const ShownGrid& s) { return s.Centre(0, 0); }, { 0, 0 }, { 1, 1 } },
        { "a column header", [](const ShownGrid& s) { return s.Centre(0, 3); }, { 0, 3 }, { 1, 3 } },
        { "a row header", [](const ShownGrid& s) { return s.Centre(6, 0); }, { 6, 0 }, { 6, 1 } },
        { "a data cell", [](const ShownGrid& s) { return s.Centre(4, 2); }, { 4, 2 }, { 4, 2 } },
        { "outside every cell",
            [](const ShownGrid& s) { return s.grid.viewport()->rect().bottomRight() - QPoint(2, 2); }, {},
            { 7, 3 } },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.FocusOn(7, 3);
        QSignalSpy rightClicked(&shown.grid, &CGridCtrl::rightClicked);
        QTest::mouseClick(shown.grid.viewport(), Qt::RightButton, {}, c.where(shown));
        ASSERT_EQ(rightClicked.count(), 1) << c.name;
        EXPECT_EQ(Cell({ rightClicked[0][0].toInt(), rightClicked[0][1].toInt() }), Cell(c.reported))
            << c.name;
        EXPECT_EQ(Cell(shown.grid.GetFocusCell()), Cell(c.focus)) << c.name;
    }
}

TEST(GridMouse, DividersInTheHeadersResizeAndDoubleClicksFitThem)
{
    ShownGrid shown;
    QRect cell;
    shown.grid.GetCellRect(0, 2, cell);
    const QPoint divider(cell.right() + 1, cell.center().y());
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(shown.grid.viewport(), divider + QPoint(40, 0));
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, divider + QPoint(40, 0));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), cell.width() + 40);
    EXPECT_FALSE(shown.grid.GetSelectedRange().IsValid());

    // The same place in a data row is a cell, not a divider.
    const int width = shown.grid.GetColumnWidth(2);
    QRect data;
    shown.grid.GetCellRect(3, 2, data);
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, QPoint(data.right(), data.center().y()));
    QTest::mouseRelease(
        shown.grid.viewport(), Qt::LeftButton, {}, QPoint(data.right() + 30, data.center().y()));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), width);

    QTest::mouseDClick(
        shown.grid.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + width, cell.center().y()));
    EXPECT_EQ(shown.grid.GetColumnWidth(2), cell.width());

    QRect rowHeader;
    shown.grid.GetCellRect(4, 0, rowHeader);
    const QPoint rowDivider(rowHeader.center().x(), rowHeader.bottom() + 1);
    QTest::mousePress(shown.grid.viewport(), Qt::LeftButton, {}, rowDivider);
    QTest::mouseMove(shown.grid.viewport(), rowDivider + QPoint(0, 15));
    QTest::mouseRelease(shown.grid.viewport(), Qt::LeftButton, {}, rowDivider + QPoint(0, 15));
    EXPECT_EQ(shown.grid.GetRowHeight(4), rowHeader.height() + 15);
}

} // namespace
