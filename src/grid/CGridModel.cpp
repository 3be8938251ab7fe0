#include "grid/CGridModel.h"

#include <algorithm>
#include <utility>

namespace {

// The coordinate of a cell along one direction.
int& Along(CCellID& cell, Axis axis)
{
    return axis == Axis::Row ? cell.row : cell.col;
}

} // namespace

CGridModel::CGridModel(int rows, int cols, int fixedRows, int fixedCols)
{
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

bool CGridModel::SetCount(Axis axis, int count)
{
    GridAxis& along = AxisOf(axis);
    if (count < 0)
        return false;
    if (count == along.Count())
        return true;
    if (Along(m_focusCell, axis) >= count)
        m_focusCell = {};
    if (Along(m_selectionStart, axis) >= count)
        m_selectionStart = {};
    if (axis == Axis::Row)
        m_cells.resize(count, std::vector<CGridCell>(GetColumnCount()));
    else
        for (std::vector<CGridCell>& cells : m_cells)
            cells.resize(count);
    along.Resize(count, DefaultSize(axis));
    ClipSelection();
    return true;
}

bool CGridModel::SetFixedCount(Axis axis, int fixed)
{
    GridAxis& along = AxisOf(axis);
    if (fixed < 0)
        return false;
    if (fixed == along.FixedCount())
        return true;
    ClearSelection();
    m_focusCell = {};
    m_selectionStart = {};
    if (fixed > along.Count())
        SetCount(axis, fixed);
    along.SetFixedCount(fixed);
    return true;
}

QString CGridModel::GetItemText(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell != nullptr ? cell->GetText().ToString() : QString();
}

bool CGridModel::SetItemText(int row, int col, GridText text)
{
    CGridCell* cell = GetCell(row, col);
    if (cell == nullptr)
        return false;
    cell->SetText(std::move(text));
    SetModified(row, col);
    return true;
}

void CGridModel::SetItemTexts(int row, int col, TextMatrix&& texts)
{
    if (row < 0 || col < 0)
        return;
    const auto rows = std::min<std::size_t>(texts.size(), std::max(0, GetRowCount() - row));
    for (std::size_t r = 0; r < rows; ++r) {
        std::vector<CGridCell>& cells = m_cells[row + r];
        const auto cols = std::min<std::size_t>(texts[r].size(), std::max(0, GetColumnCount() - col));
        for (std::size_t c = 0; c < cols; ++c) {
            CGridCell& cell = cells[col + c];
            cell.SetText(std::move(texts[r][c]));
            cell.SetState(cell.GetState() | CELL_MODIFIED);
        }
    }
    m_modified = true;
}

void CGridModel::ExchangeItemTexts(std::vector<GridCellText>& cells)
{
    for (GridCellText& change : cells) {
        if (CGridCell* cell = GetCell(change.row, change.col)) {
            cell->ExchangeText(change.text);
            cell->SetState(cell->GetState() | CELL_MODIFIED);
        }
    }
    m_modified = true;
}

void CGridModel::SetModified(int row, int col)
{
    if (CGridCell* cell = GetCell(row, col))
        cell->SetState(cell->GetState() | CELL_MODIFIED);
    m_modified = true;
}

std::uint32_t CGridModel::GetItemState(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    if (cell == nullptr)
        return 0;
    std::uint32_t state = cell->GetState();
    if (IsCellSelected(row, col))
        state |= CELL_SELECTED;
    if (m_focusCell == CCellID(row, col))
        state |= CELL_FOCUSED;
    if (row < GetFixedRowCount())
        state |= CELL_FIXED | CELL_FIXEDROW;
    if (col < GetFixedColumnCount())
        state |= CELL_FIXED | CELL_FIXEDCOL;
    return state;
}

bool CGridModel::SetItemState(int row, int col, std::uint32_t state)
{
    CGridCell* cell = GetCell(row, col);
    if (cell == nullptr)
        return false;
    cell->SetState(state & ~CELL_POSITION_FLAGS);
    if ((state & CELL_SELECTED) == 0)
        m_selection.Remove(row, col);
    else if (!IsCellSelected(row, col))
        m_selection.Add({ row, col, row, col });
    return true;
}

bool CGridModel::IsCellReadOnly(int row, int col) const
{
    const CGridCell* cell = GetCell(row, col);
    return cell != nullptr && (cell->GetState() & CELL_READONLY) != 0;
}

int CGridModel::Insert(Axis axis, int at)
{
    GridAxis& along = AxisOf(axis);
    if (at != -1 && (at < along.FixedCount() || at >= along.Count()))
        return -1;
    // A row needs a column to hold its cell, and a column a row.
    const Axis across = axis == Axis::Row ? Axis::Column : Axis::Row;
    if (AxisOf(across).Count() == 0)
        SetCount(across, 1);
    if (at == -1)
        at = along.Count();
    if (axis == Axis::Row)
        m_cells.insert(m_cells.begin() + at, std::vector<CGridCell>(GetColumnCount()));
    else
        for (std::vector<CGridCell>& cells : m_cells)
            cells.insert(cells.begin() + at, CGridCell());
    along.Insert(at, DefaultSize(axis));
    if (axis == Axis::Row)
        SetItemText(at, 0, QString());
    else
        SetItemText(0, at, QString());
    // The focus stays on its cell as the ones after the new one move on; a
    // focus on the insertion index itself now lies on the new one.
    if (Along(m_focusCell, axis) > at)
        ++Along(m_focusCell, axis);
    if (Along(m_selectionStart, axis) > at)
        ++Along(m_selectionStart, axis);
    ClearSelection();
    m_modified = true;
    return at;
}

bool CGridModel::Delete(Axis axis, int at)
{
    GridAxis& along = AxisOf(axis);
    if (at < 0 || at >= along.Count())
        return false;
    ClearSelection();
    m_focusCell = {};
    m_selectionStart = {};
    if (axis == Axis::Row)
        m_cells.erase(m_cells.begin() + at);
    else
        for (std::vector<CGridCell>& cells : m_cells)
            cells.erase(cells.begin() + at);
    along.Erase(at);
    m_modified = true;
    return true;
}

bool CGridModel::SetSizeByHand(Axis axis, int i, int size)
{
    GridAxis& along = AxisOf(axis);
    if (!along.SetSize(i, size))
        return false;
    along.SetSizedByHand(i, true);
    return true;
}

void CGridModel::SetFocusCell(const CCellID& cell)
{
    m_focusCell = IsValid(cell) ? cell : CCellID();
}

CCellRange CGridModel::GetDataRange() const
{
    return { GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1 };
}

void CGridModel::SelectRange(const CCellRange& range, SelectionKind kind)
{
    m_selectionKind = kind;
    m_selection = m_previousSelection;
    if (range.IsValid())
        m_selection.Add(range.Intersect(GetDataRange()));
}

void CGridModel::ClearSelection()
{
    m_selection.Clear();
    m_previousSelection.Clear();
    m_selectionKind = SelectionKind::Cells;
}

void CGridModel::ClipSelection()
{
    const CCellRange all(0, 0, GetRowCount() - 1, GetColumnCount() - 1);
    m_selection.ClipTo(all);
    m_previousSelection.ClipTo(all);
}

CCellID CGridModel::GetTopLeftDataCell() const
{
    const int row = VisibleRowFrom(GetFixedRowCount(), 1);
    const int col = VisibleColumnFrom(GetFixedColumnCount(), 1);
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}
