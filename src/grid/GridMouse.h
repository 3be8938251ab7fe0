#pragma once

#include "grid/CellID.h"
#include "grid/GridAxis.h"

#include <QPoint>
#include <QTimer>

// What the mouse is doing with the grid, from a button press to its release:
// selecting cells, rows, columns or everything, dragging a divider, or
// waiting to open an editor on the focused cell; and between presses, whether
// the pointer rests on a divider.
struct GridMouse {
    enum Mode {
        NOTHING,
        SELECT_ALL,
        SELECT_COL,
        SELECT_ROW,
        SELECT_CELLS,
        OVER_ROW_DIVIDE,
        SIZING_ROW,
        OVER_COL_DIVIDE,
        SIZING_COL,
        PREPARE_EDIT,
    };

    // Selecting by dragging: the keys leave the selection as the drag makes it.
    bool IsSelecting() const
    {
        return mode == SELECT_CELLS || mode == SELECT_COL || mode == SELECT_ROW || mode == SELECT_ALL;
    }
    // A button is down: typed keys wait until it is up.
    bool IsBusy() const { return mode != NOTHING && mode != OVER_COL_DIVIDE && mode != OVER_ROW_DIVIDE; }
    bool IsSizing() const { return mode == SIZING_ROW || mode == SIZING_COL; }
    // The direction of the divider being dragged.
    Axis SizingAxis() const { return mode == SIZING_ROW ? Axis::Row : Axis::Column; }

    Mode mode = NOTHING;
    // The cell under the last left-button press.
    CCellID downCell;
    // Where the pointer was last seen, for the scrolling while dragging.
    QPoint lastPoint;
    // The row or column whose divider is dragged, and where its tracking line
    // stands along the drag.
    int resizeIndex = -1;
    int trackingPos = -1;
    // Scrolls while a selection is dragged beyond the edge.
    QTimer autoScroll;
};
