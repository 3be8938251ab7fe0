#include "GridTestSupport.h"

#include <QImage>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// The colour of a blank spot of a cell: right of its text, inside its margin.
QColor Background(const QImage& image, const QRect& cell)
{
    return image.pixelColor(cell.right() - 3, cell.center().y());
}

TEST(GridPaint, DrawsLinesSelectionAndFocusInTheirColoursAndALongTextInsideItsCell)
{
    ShownGrid shown;
    shown.grid.SetSelectedRange({ 2, 2, 3, 3 });
    shown.grid.SetFocusCell(3, 3);
    shown.grid.SetItemText(4, 2, QString(80, u'W'));
    const QImage image = shown.grid.viewport()->grab().toImage();
    const QPalette palette = shown.grid.palette();

    const QRect plain = shown.Rect(5, 2);
    EXPECT_EQ(Background(image, plain), palette.color(QPalette::Base));
    EXPECT_EQ(image.pixelColor(plain.right(), plain.center().y()), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(plain.center().x(), plain.bottom()), QColor(192, 192, 192));
    EXPECT_EQ(Background(image, shown.Rect(2, 2)), palette.color(QPalette::Highlight));
    const QRect focus = shown.Rect(3, 3);
    EXPECT_EQ(image.pixelColor(focus.left() + 1, focus.center().y()), palette.color(QPalette::Text));
    EXPECT_EQ(Background(image, focus), palette.color(QPalette::Highlight));

    // The long text's neighbour, before its own text starts, stays blank.
    const QRect neighbour = shown.Rect(4, 3);
    for (int x = neighbour.left(); x < neighbour.left() + shown.grid.Model().GetCellMargin(); ++x)
        EXPECT_EQ(image.pixelColor(x, neighbour.center().y()), palette.color(QPalette::Base)) << x;
}

TEST(GridPaint, HeadersStayWhileTheRestScrolls)
{
    ShownGrid large({}, 200, 30);
    large.grid.verticalScrollBar()->setValue(1000);
    large.grid.horizontalScrollBar()->setValue(300);
    EXPECT_EQ(large.Rect(0, 5).top(), 0);
    EXPECT_EQ(large.Rect(7, 0).left(), 0);
    const CCellID topLeft = large.grid.GetCellFromPt(large.Rect(0, 0).bottomRight() + QPoint(1, 1));
    EXPECT_GT(topLeft.row, 10);
    EXPECT_GT(topLeft.col, 1);
    // The header row is painted over the rows scrolled under it.
    const QImage image = large.grid.viewport()->grab().toImage();
    EXPECT_NE(Background(image, large.Rect(0, topLeft.col)), large.grid.palette().color(QPalette::Base));
}

} // namespace
