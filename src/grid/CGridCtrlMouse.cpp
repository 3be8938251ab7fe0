#include "grid/CGridCtrl.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// How near a divider the pointer must be to grab it, in pixels.
constexpr int RESIZE_CAPTURE_RANGE = 3;

} // namespace

int CGridCtrl::DividerAt(Axis axis, const QPoint& point) const
{
    // Columns are resized from the header rows, rows from the header columns,
    // as in a spreadsheet: a click in a data cell always means the cell.
    const bool columns = axis == Axis::Column;
    const int across = columns ? point.y() : point.x();
    const int headers = columns ? m_model.GetFixedRowHeight() : m_model.GetFixedColumnWidth();
    if (across < 0 || across >= headers)
        return -1;
    return m_model.GetAxis(axis).DividerAt(
        columns ? point.x() : point.y(), ScrollBar(axis)->value(), RESIZE_CAPTURE_RANGE);
}

CCellID CGridCtrl::DataCellNear(const QPoint& point) const
{
    // A pointer beyond the data area points at the edge cell in its direction.
    const QRect area = DataArea();
    int row = IndexAt(Axis::Row, std::clamp(point.y(), area.top(), area.bottom()));
    int col = IndexAt(Axis::Column, std::clamp(point.x(), area.left(), area.right()));
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
    switch (m_mouse.mode) {
    case GridMouse::SELECT_ALL:
        m_model.SelectRange(data, SelectionKind::All);
        break;
    case GridMouse::SELECT_COL:
        m_model.SelectRange(
            { data.minRow, std::min(start.col, cell.col), data.maxRow, std::max(start.col, cell.col) },
            SelectionKind::Columns);
        break;
    case GridMouse::SELECT_ROW:
        m_model.SelectRange(
            { std::min(start.row, cell.row), data.minCol, std::max(start.row, cell.row), data.maxCol },
            SelectionKind::Rows);
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
    m_mouse.lastPoint = point;
    const CCellID cell = GetCellFromPt(point);
    m_mouse.downCell = cell;

    // Dividers first: the one after the last column lies outside every cell.
    for (const Axis axis : { Axis::Column, Axis::Row }) {
        m_mouse.resizeIndex = DividerAt(axis, point);
        if (m_mouse.resizeIndex >= 0) {
            m_mouse.mode = axis == Axis::Column ? GridMouse::SIZING_COL : GridMouse::SIZING_ROW;
            m_mouse.trackingPos = axis == Axis::Column ? point.x() : point.y();
            viewport()->update();
            return;
        }
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
    if (cell == focus && !ctrl && !fixed && !m_model.IsCellReadOnly(cell.row, cell.col)) {
        m_mouse.mode = GridMouse::PREPARE_EDIT; // the edit starts on release
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
        m_mouse.mode = GridMouse::SELECT_ALL;
    else if (inFixedRow)
        m_mouse.mode = GridMouse::SELECT_COL;
    else if (inFixedCol)
        m_mouse.mode = GridMouse::SELECT_ROW;
    else
        m_mouse.mode = GridMouse::SELECT_CELLS;
    if (m_mouse.mode != GridMouse::SELECT_ALL)
        m_mouse.autoScroll.start();
    SelectFromStartTo(cell);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_mouse.lastPoint = point;
    if (!(event->buttons() & Qt::LeftButton)) {
        if (DividerAt(Axis::Column, point) >= 0) {
            m_mouse.mode = GridMouse::OVER_COL_DIVIDE;
            viewport()->setCursor(Qt::SizeHorCursor);
        } else if (DividerAt(Axis::Row, point) >= 0) {
            m_mouse.mode = GridMouse::OVER_ROW_DIVIDE;
            viewport()->setCursor(Qt::SizeVerCursor);
        } else {
            m_mouse.mode = GridMouse::NOTHING;
            viewport()->unsetCursor();
        }
        return;
    }
    const CCellID down = m_mouse.downCell;
    if (m_mouse.mode == GridMouse::PREPARE_EDIT && GetCellFromPt(point) != down) {
        // Dragging away from the focused cell selects rather than edits.
        emit selectionChanging(down.row, down.col);
        m_model.ForgetKeptSelection();
        m_mouse.mode = GridMouse::SELECT_CELLS;
        m_mouse.autoScroll.start();
    }
    const QRect client = viewport()->rect();
    switch (m_mouse.mode) {
    case GridMouse::SIZING_COL:
        // The line stays inside the client area, as the pointer would.
        m_mouse.trackingPos = std::clamp(point.x(), client.left(), client.right());
        viewport()->update();
        break;
    case GridMouse::SIZING_ROW:
        m_mouse.trackingPos = std::clamp(point.y(), client.top(), client.bottom());
        viewport()->update();
        break;
    case GridMouse::SELECT_CELLS:
    case GridMouse::SELECT_COL:
    case GridMouse::SELECT_ROW: {
        const CCellID cell = DataCellNear(point);
        if (!m_model.IsValid(cell))
            break;
        if (m_mouse.mode == GridMouse::SELECT_CELLS)
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
    const QPoint point = m_mouse.lastPoint;
    if (m_mouse.mode != GridMouse::SELECT_COL) {
        if (point.y() > area.bottom())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (point.y() < area.top())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    if (m_mouse.mode != GridMouse::SELECT_ROW) {
        if (point.x() > area.right())
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (point.x() < area.left())
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    const CCellID cell = DataCellNear(point);
    if (!m_model.IsValid(cell))
        return;
    if (m_mouse.mode == GridMouse::SELECT_CELLS)
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
    m_mouse.autoScroll.stop();
    const GridMouse::Mode mode = m_mouse.mode;
    m_mouse.mode = GridMouse::NOTHING;
    const CCellID down = m_mouse.downCell;
    switch (mode) {
    case GridMouse::SIZING_COL:
    case GridMouse::SIZING_ROW: {
        const Axis axis = mode == GridMouse::SIZING_COL ? Axis::Column : Axis::Row;
        const int index = m_mouse.resizeIndex;
        m_model.SetSizeByHand(axis, index, std::max(0, m_mouse.trackingPos - StartOf(axis, index)));
        Refresh();
        break;
    }
    case GridMouse::PREPARE_EDIT:
        emit clicked(down.row, down.col);
        if (GetCellFromPt(point) == down)
            EditCell(down.row, down.col, EditStartKey::LeftButton());
        break;
    case GridMouse::SELECT_ALL:
    case GridMouse::SELECT_COL:
    case GridMouse::SELECT_ROW:
    case GridMouse::SELECT_CELLS: {
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
    m_mouse.mode = GridMouse::NOTHING;
    if (const int col = DividerAt(Axis::Column, point); col >= 0) {
        AutoSizeColumn(col);
        return;
    }
    if (const int row = DividerAt(Axis::Row, point); row >= 0) {
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
    // The mouse's right click is reported on release, and the menu key on
    // its key press (ReportMenuKey), which some systems follow with this.
    event->accept();
}
