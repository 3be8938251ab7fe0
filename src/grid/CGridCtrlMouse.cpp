#include "grid/CGridCtrl.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace {

// How near a divider the pointer must be to grab it, in pixels.
constexpr int RESIZE_CAPTURE_RANGE = 3;

// The divider within reach of `pos` along one direction: the far edge of one of
// `count` rows (columns). The last one in reach wins: a hidden column's
// divider lies on its neighbour's, and dragging it shows the column again.
template <typename SizeOf> int DividerAt(int pos, int count, int fixedCount, int scroll, SizeOf sizeOf)
{
    int found = -1;
    int edge = 0;
    int fixedSize = 0;
    for (int i = 0; i < count; ++i) {
        if (i == fixedCount) {
            fixedSize = edge;
            edge -= scroll;
        }
        edge += sizeOf(i);
        if (i >= fixedCount && edge < fixedSize)
            continue; // scrolled away under the fixed ones
        if (edge > pos + RESIZE_CAPTURE_RANGE)
            break;
        if (std::abs(pos - edge) <= RESIZE_CAPTURE_RANGE)
            found = i;
    }
    return found;
}

} // namespace

int CGridCtrl::ColumnDividerAt(const QPoint& point) const
{
    // Columns are resized from the header rows, rows from the header columns,
    // as in a spreadsheet: a click in a data cell always means the cell.
    if (point.y() < 0 || point.y() >= m_model.GetFixedRowHeight())
        return -1;
    return DividerAt(point.x(), m_model.GetColumnCount(), m_model.GetFixedColumnCount(),
        horizontalScrollBar()->value(), [this](int col) { return m_model.GetColumnWidth(col); });
}

int CGridCtrl::RowDividerAt(const QPoint& point) const
{
    if (point.x() < 0 || point.x() >= m_model.GetFixedColumnWidth())
        return -1;
    return DividerAt(point.y(), m_model.GetRowCount(), m_model.GetFixedRowCount(),
        verticalScrollBar()->value(), [this](int row) { return m_model.GetRowHeight(row); });
}

CCellID CGridCtrl::DataCellNear(const QPoint& point) const
{
    // A pointer beyond the data area points at the edge cell in its direction.
    const QRect area = DataArea();
    int row = RowAt(std::clamp(point.y(), area.top(), area.bottom()));
    int col = ColumnAt(std::clamp(point.x(), area.left(), area.right()));
    if (row < 0)
        row = m_model.VisibleRowFrom(m_model.GetRowCount() - 1, -1);
    if (col < 0)
        col = m_model.VisibleColumnFrom(m_model.GetColumnCount() - 1, -1);
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}

CCellID CGridCtrl::FocusForHeader(const CCellID& cell) const
{
    const int row = cell.row < m_model.GetFixedRowCount()
        ? m_model.VisibleRowFrom(m_model.GetFixedRowCount(), 1)
        : cell.row;
    const int col = cell.col < m_model.GetFixedColumnCount()
        ? m_model.VisibleColumnFrom(m_model.GetFixedColumnCount(), 1)
        : cell.col;
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}

void CGridCtrl::SelectFromStartTo(const CCellID& cell)
{
    const CCellID start = m_model.GetSelectionStart();
    const CCellRange data = m_model.GetDataRange();
    switch (m_mouseMode) {
    case MOUSE_SELECT_ALL:
        m_model.SelectRange(data);
        break;
    case MOUSE_SELECT_COL:
        m_model.SelectRange(
            { data.minRow, std::min(start.col, cell.col), data.maxRow, std::max(start.col, cell.col) });
        break;
    case MOUSE_SELECT_ROW:
        m_model.SelectRange(
            { std::min(start.row, cell.row), data.minCol, std::max(start.row, cell.row), data.maxCol });
        break;
    default:
        m_model.SelectRange(CCellRange::Spanning(start, cell));
    }
    viewport()->update();
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    EndEditing();
    const QPoint point = event->position().toPoint();
    m_leftClickDownPoint = point;
    m_lastMousePoint = point;
    const CCellID cell = GetCellFromPt(point);
    m_leftClickDownCell = cell;

    // Dividers first: the one after the last column lies outside every cell.
    m_resizeIndex = ColumnDividerAt(point);
    if (m_resizeIndex >= 0) {
        m_mouseMode = MOUSE_SIZING_COL;
        m_trackingPos = point.x();
        viewport()->update();
        return;
    }
    m_resizeIndex = RowDividerAt(point);
    if (m_resizeIndex >= 0) {
        m_mouseMode = MOUSE_SIZING_ROW;
        m_trackingPos = point.y();
        viewport()->update();
        return;
    }
    if (!m_model.IsValid(cell))
        return;

    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const CCellID focus = m_model.GetFocusCell();
    if (!shift)
        m_model.SetSelectionStart(cell);
    else if (!m_model.IsValid(m_model.GetSelectionStart()))
        m_model.SetSelectionStart(m_model.IsValid(focus) ? focus : cell);

    const bool fixed = m_model.IsFixed(cell.row, cell.col);
    if (cell == focus && !ctrl && !fixed && m_editable && !m_model.IsCellReadOnly(cell.row, cell.col)) {
        m_mouseMode = MOUSE_PREPARE_EDIT; // the edit starts on release
        return;
    }
    if (m_model.IsCellSelected(cell.row, cell.col)) {
        m_model.SetFocusCell(cell);
        if (ctrl) {
            m_model.KeepSelection();
            SelectFromStartTo(cell);
            return;
        }
    } else {
        // A header click gives the focus to the first cell of its column or
        // row, so that the keys (Ctrl+C among them) go on working from there.
        m_model.SetFocusCell(fixed ? FocusForHeader(cell) : cell);
    }

    emit selectionChanging(cell.row, cell.col);
    if (ctrl)
        m_model.KeepSelection();
    else
        m_model.ForgetKeptSelection();
    const bool inFixedRow = cell.row < m_model.GetFixedRowCount();
    const bool inFixedCol = cell.col < m_model.GetFixedColumnCount();
    if (inFixedRow && inFixedCol)
        m_mouseMode = MOUSE_SELECT_ALL;
    else if (inFixedRow)
        m_mouseMode = MOUSE_SELECT_COL;
    else if (inFixedCol)
        m_mouseMode = MOUSE_SELECT_ROW;
    else
        m_mouseMode = MOUSE_SELECT_CELLS;
    if (m_mouseMode != MOUSE_SELECT_ALL)
        m_autoScrollTimer.start();
    SelectFromStartTo(cell);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_lastMousePoint = point;
    if (!(event->buttons() & Qt::LeftButton)) {
        if (ColumnDividerAt(point) >= 0) {
            m_mouseMode = MOUSE_OVER_COL_DIVIDE;
            viewport()->setCursor(Qt::SizeHorCursor);
        } else if (RowDividerAt(point) >= 0) {
            m_mouseMode = MOUSE_OVER_ROW_DIVIDE;
            viewport()->setCursor(Qt::SizeVerCursor);
        } else {
            m_mouseMode = MOUSE_NOTHING;
            viewport()->unsetCursor();
        }
        return;
    }
    if (m_mouseMode == MOUSE_PREPARE_EDIT && GetCellFromPt(point) != m_leftClickDownCell) {
        // Dragging away from the focused cell selects rather than edits.
        emit selectionChanging(m_leftClickDownCell.row, m_leftClickDownCell.col);
        m_model.ForgetKeptSelection();
        m_mouseMode = MOUSE_SELECT_CELLS;
        m_autoScrollTimer.start();
    }
    const QRect client = viewport()->rect();
    switch (m_mouseMode) {
    case MOUSE_SIZING_COL:
        // The line stays inside the client area, as the pointer would.
        m_trackingPos = std::clamp(point.x(), client.left(), client.right());
        viewport()->update();
        break;
    case MOUSE_SIZING_ROW:
        m_trackingPos = std::clamp(point.y(), client.top(), client.bottom());
        viewport()->update();
        break;
    case MOUSE_SELECT_CELLS:
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW: {
        const CCellID cell = DataCellNear(point);
        if (!m_model.IsValid(cell))
            break;
        if (m_mouseMode == MOUSE_SELECT_CELLS)
            m_model.SetFocusCell(cell);
        SelectFromStartTo(cell);
        break;
    }
    default:
        break;
    }
}

void CGridCtrl::OnAutoScroll()
{
    const QRect area = DataArea();
    const QPoint point = m_lastMousePoint;
    if (m_mouseMode != MOUSE_SELECT_COL) {
        if (point.y() > area.bottom())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (point.y() < area.top())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    if (m_mouseMode != MOUSE_SELECT_ROW) {
        if (point.x() > area.right())
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (point.x() < area.left())
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    const CCellID cell = DataCellNear(point);
    if (!m_model.IsValid(cell))
        return;
    if (m_mouseMode == MOUSE_SELECT_CELLS)
        m_model.SetFocusCell(cell);
    SelectFromStartTo(cell);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        OnRightButtonUp(point);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_autoScrollTimer.stop();
    const MouseMode mode = m_mouseMode;
    m_mouseMode = MOUSE_NOTHING;
    const CCellID down = m_leftClickDownCell;
    switch (mode) {
    case MOUSE_SIZING_COL:
        m_model.SetColumnWidth(m_resizeIndex, std::max(0, m_trackingPos - ColumnLeft(m_resizeIndex)));
        Refresh();
        break;
    case MOUSE_SIZING_ROW:
        m_model.SetRowHeight(m_resizeIndex, std::max(0, m_trackingPos - RowTop(m_resizeIndex)));
        Refresh();
        break;
    case MOUSE_PREPARE_EDIT:
        emit clicked(down.row, down.col);
        if (GetCellFromPt(point) == down)
            EditCell(down.row, down.col, EditStartKey::LeftButton());
        break;
    case MOUSE_SELECT_ALL:
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW:
    case MOUSE_SELECT_CELLS: {
        const CCellID focus = m_model.GetFocusCell();
        emit selectionChanged(focus.row, focus.col);
        emit clicked(down.row, down.col);
        break;
    }
    default:
        break;
    }
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_mouseMode = MOUSE_NOTHING;
    if (const int col = ColumnDividerAt(point); col >= 0) {
        AutoSizeColumn(col);
        return;
    }
    if (const int row = RowDividerAt(point); row >= 0) {
        AutoSizeRow(row);
        return;
    }
    const CCellID cell = GetCellFromPt(point);
    if (!m_model.IsValid(cell))
        return;
    if (!m_model.IsFixed(cell.row, cell.col))
        EditCell(cell.row, cell.col, EditStartKey::LeftButton());
    emit doubleClicked(cell.row, cell.col);
}

void CGridCtrl::OnRightButtonUp(const QPoint& point)
{
    EndEditing();
    const CCellID cell = GetCellFromPt(point);
    if (!m_model.IsValid(cell)) {
        emit rightClicked(-1, -1);
        return;
    }
    // A right click on a header moves the focus to the first data cell of
    // its row or column; the notification names the cell clicked.
    m_model.SetFocusCell({ std::max(cell.row, m_model.GetFixedRowCount()),
        std::max(cell.col, m_model.GetFixedColumnCount()) });
    viewport()->update();
    emit rightClicked(cell.row, cell.col);
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's right click is reported on release; the keyboard's menu key
    // reports the focus cell.
    event->accept();
    const CCellID focus = m_model.GetFocusCell();
    if (event->reason() == QContextMenuEvent::Keyboard && m_model.IsValid(focus))
        emit rightClicked(focus.row, focus.col);
}
