#include "grid/CGridModel.h"

#include <algorithm>
#include <numeric>

CGridModel::CGridModel(int rows, int cols, int fixedRows, int fixedCols)
{
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

std::unique_ptr<CGridCellBase> CGridModel::NewCell() const
{
    return std::make_unique<CGridCell>();
}

bool CGridModel::SetRowCount(int rows)
{
    if (rows < 0)
        return false;
    if (rows == m_rowCount)
        return true;
    m_fixedRows = std::min(m_fixedRows, rows);
    if (m_focusCell.row >= rows)
        m_focusCell = {};
    if (m_selectionStart.row >= rows)
        m_selectionStart = {};
    m_rows.resize(rows);
    for (int row = m_rowCount; row < rows; ++row) {
        m_rows[row].reserve(m_colCount);
        for (int col = 0; col < m_colCount; ++col)
            m_rows[row].emplace_back(NewCell());
    }
    m_rowHeights.resize(rows, GetDefaultCellHeight());
    m_rowCount = rows;
    ClipSelection();
    return true;
}

bool CGridModel::SetColumnCount(int cols)
{
    if (cols < 0)
        return false;
    if (cols == m_colCount)
        return true;
    m_fixedCols = std::min(m_fixedCols, cols);
    if (m_focusCell.col >= cols)
        m_focusCell = {};
    if (m_selectionStart.col >= cols)
        m_selectionStart = {};
    for (auto& cells : m_rows) {
        cells.resize(cols);
        for (int col = m_colCount; col < cols; ++col)
            cells[col] = NewCell();
    }
    m_colWidths.resize(cols, GetDefaultCellWidth());
    m_colCount = cols;
    ClipSelection();
    return true;
}

bool CGridModel::SetFixedRowCount(int fixedRows)
{
    if (fixedRows < 0)
        return false;
    if (fixedRows == m_fixedRows)
        return true;
    ClearSelection();
    m_focusCell = {};
    m_selectionStart = {};
    if (fixedRows > m_rowCount)
        SetRowCount(fixedRows);
    m_fixedRows = fixedRows;
    return true;
}

bool CGridModel::SetFixedColumnCount(int fixedCols)
{
    if (fixedCols < 0)
        return false;
    if (fixedCols == m_fixedCols)
        return true;
    ClearSelection();
    m_focusCell = {};
    m_selectionStart = {};
    if (fixedCols > m_colCount)
        SetColumnCount(fixedCols);
    m_fixedCols = fixedCols;
    return true;
}

CGridCellBase* CGridModel::GetCell(int row, int col) const
{
    return IsValid(row, col) ? m_rows[row][col].get() : nullptr;
}

QString CGridModel::GetItemText(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell != nullptr ? cell->GetText() : QString();
}

bool CGridModel::SetItemText(int row, int col, const QString& text)
{
    CGridCellBase* cell = GetCell(row, col);
    if (cell == nullptr)
        return false;
    cell->SetText(text);
    SetModified(row, col);
    return true;
}

void CGridModel::SetModified(int row, int col)
{
    if (CGridCellBase* cell = GetCell(row, col))
        cell->SetState(cell->GetState() | CELL_MODIFIED);
    m_modified = true;
}

std::uint32_t CGridModel::GetItemState(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    if (cell == nullptr)
        return 0;
    std::uint32_t state = cell->GetState();
    if (IsCellSelected(row, col))
        state |= CELL_SELECTED;
    if (m_focusCell == CCellID(row, col))
        state |= CELL_FOCUSED;
    if (row < m_fixedRows)
        state |= CELL_FIXED | CELL_FIXEDROW;
    if (col < m_fixedCols)
        state |= CELL_FIXED | CELL_FIXEDCOL;
    return state;
}

bool CGridModel::SetItemState(int row, int col, std::uint32_t state)
{
    CGridCellBase* cell = GetCell(row, col);
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
    const CGridCellBase* cell = GetCell(row, col);
    return cell != nullptr && (cell->GetState() & CELL_READONLY) != 0;
}

int CGridModel::InsertRow(int row)
{
    if (row != -1 && (row < m_fixedRows || row >= m_rowCount))
        return -1;
    if (m_colCount == 0)
        SetColumnCount(1);
    const int at = row == -1 ? m_rowCount : row;
    std::vector<std::unique_ptr<CGridCellBase>> cells;
    cells.reserve(m_colCount);
    for (int col = 0; col < m_colCount; ++col)
        cells.emplace_back(NewCell());
    m_rows.insert(m_rows.begin() + at, std::move(cells));
    m_rowHeights.insert(m_rowHeights.begin() + at, GetDefaultCellHeight());
    ++m_rowCount;
    SetItemText(at, 0, QString());
    // The focus stays on its cell as the rows below the new one move down; a
    // focus on the insertion index itself now lies on the new row.
    if (m_focusCell.row > at)
        ++m_focusCell.row;
    if (m_selectionStart.row > at)
        ++m_selectionStart.row;
    ClearSelection();
    m_modified = true;
    return at;
}

bool CGridModel::DeleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return false;
    ClearSelection();
    m_focusCell = {};
    m_selectionStart = {};
    m_rows.erase(m_rows.begin() + row);
    m_rowHeights.erase(m_rowHeights.begin() + row);
    --m_rowCount;
    if (row < m_fixedRows)
        --m_fixedRows;
    m_modified = true;
    return true;
}

int CGridModel::GetRowHeight(int row) const
{
    return row >= 0 && row < m_rowCount ? m_rowHeights[row] : -1;
}

int CGridModel::GetColumnWidth(int col) const
{
    return col >= 0 && col < m_colCount ? m_colWidths[col] : -1;
}

bool CGridModel::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= m_rowCount || height < 0)
        return false;
    m_rowHeights[row] = height;
    return true;
}

bool CGridModel::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_colCount || width < 0)
        return false;
    m_colWidths[col] = width;
    return true;
}

int CGridModel::GetRowTop(int row) const
{
    row = std::clamp(row, 0, m_rowCount);
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.begin() + row, 0);
}

int CGridModel::GetColumnLeft(int col) const
{
    col = std::clamp(col, 0, m_colCount);
    return std::accumulate(m_colWidths.begin(), m_colWidths.begin() + col, 0);
}

const CGridDefaultCell& CGridModel::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    return m_defaultCells[(fixedRow ? 1 : 0) + (fixedCol ? 2 : 0)];
}

CGridDefaultCell& CGridModel::GetDefaultCell(bool fixedRow, bool fixedCol)
{
    return m_defaultCells[(fixedRow ? 1 : 0) + (fixedCol ? 2 : 0)];
}

const QFont& CGridModel::GetCellFont(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    const QFont* font = cell != nullptr ? cell->GetFont() : nullptr;
    return font != nullptr ? *font : GetDefaultCellFor(row, col).GetDefaultFont();
}

int CGridModel::GetCellMargin(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    const int margin = cell != nullptr ? cell->GetMargin() : -1;
    return margin >= 0 ? margin : GetDefaultCellFor(row, col).GetMargin();
}

std::uint32_t CGridModel::GetCellFormat(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    const std::uint32_t format = cell != nullptr ? cell->GetFormat() : CGridCellBase::FORMAT_FROM_DEFAULT;
    return format != CGridCellBase::FORMAT_FROM_DEFAULT ? format : GetDefaultCellFor(row, col).GetFormat();
}

QColor CGridModel::GetCellTextColour(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    const QColor colour = cell != nullptr ? cell->GetTextColour() : QColor();
    return colour.isValid() ? colour : GetDefaultCellFor(row, col).GetTextColour();
}

QColor CGridModel::GetCellBackColour(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    const QColor colour = cell != nullptr ? cell->GetBackColour() : QColor();
    return colour.isValid() ? colour : GetDefaultCellFor(row, col).GetBackColour();
}

void CGridModel::SetFocusCell(const CCellID& cell)
{
    m_focusCell = IsValid(cell) ? cell : CCellID();
}

CCellRange CGridModel::GetDataRange() const
{
    return { m_fixedRows, m_fixedCols, m_rowCount - 1, m_colCount - 1 };
}

void CGridModel::SelectRange(const CCellRange& range)
{
    m_selection = m_previousSelection;
    if (range.IsValid())
        m_selection.Add(range.Intersect(GetDataRange()));
}

void CGridModel::ClearSelection()
{
    m_selection.Clear();
    m_previousSelection.Clear();
}

void CGridModel::ClipSelection()
{
    const CCellRange all(0, 0, m_rowCount - 1, m_colCount - 1);
    m_selection.ClipTo(all);
    m_previousSelection.ClipTo(all);
}

int CGridModel::VisibleRowFrom(int from, int step) const
{
    for (int row = from; row >= m_fixedRows && row < m_rowCount; row += step)
        if (m_rowHeights[row] > 0)
            return row;
    return -1;
}

int CGridModel::VisibleColumnFrom(int from, int step) const
{
    for (int col = from; col >= m_fixedCols && col < m_colCount; col += step)
        if (m_colWidths[col] > 0)
            return col;
    return -1;
}

CCellID CGridModel::GetTopLeftDataCell() const
{
    const int row = VisibleRowFrom(m_fixedRows, 1);
    const int col = VisibleColumnFrom(m_fixedCols, 1);
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}
