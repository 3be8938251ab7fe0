#include "table/CGridDialog.h"

#include "core/table/TableRow.h"
#include "platform/StringConvert.h"

#include <algorithm>

namespace {

int LongestRow(const CellMatrix& matrix)
{
    std::size_t longest = 0;
    for (const CellRow& row : matrix)
        longest = std::max(longest, row.size());
    return static_cast<int>(longest);
}

} // namespace

void CGridDialog::SetTableLines(const LineList& lines)
{
    const CellMatrix matrix = LinesToCellMatrix(lines);
    m_grid.SetRowCount(static_cast<int>(matrix.size()) + 1);
    m_grid.SetColumnCount(LongestRow(matrix) + 1);
    // Every data cell is written, so that a ragged table loads as a rectangle
    // with empty cells where its short rows end.
    for (int row = 1; row < m_grid.GetRowCount(); ++row) {
        const CellRow& cells = matrix[row - 1];
        for (int col = 1; col < m_grid.GetColumnCount(); ++col) {
            const auto index = static_cast<std::size_t>(col - 1);
            m_grid.SetItemText(row, col, index < cells.size() ? toQString(cells[index]) : QString());
        }
    }
}

CellMatrix CGridDialog::GridToCellMatrix() const
{
    CellMatrix matrix;
    matrix.reserve(std::max(0, m_grid.GetRowCount() - 1));
    for (int row = 1; row < m_grid.GetRowCount(); ++row) {
        CellRow& cells = matrix.emplace_back();
        cells.reserve(m_grid.GetColumnCount() - 1);
        for (int col = 1; col < m_grid.GetColumnCount(); ++col)
            cells.push_back(toU16(m_grid.GetItemText(row, col)));
    }
    return matrix;
}

void CGridDialog::LoadCellMatrix(const CellMatrix& matrix, bool exact)
{
    const int needRows = static_cast<int>(matrix.size()) + 1;
    const int needCols = LongestRow(matrix) + 1;
    if (m_grid.GetRowCount() < needRows || (exact && m_grid.GetRowCount() > needRows))
        m_grid.SetRowCount(needRows);
    if (m_grid.GetColumnCount() < needCols || (exact && m_grid.GetColumnCount() > needCols))
        m_grid.SetColumnCount(needCols);
    for (std::size_t row = 0; row < matrix.size(); ++row)
        for (std::size_t col = 0; col < matrix[row].size(); ++col)
            m_grid.SetItemText(
                static_cast<int>(row) + 1, static_cast<int>(col) + 1, toQString(matrix[row][col]));
}

CellMatrix CGridDialog::RowToCellMatrix(int row) const
{
    CellRow cells;
    for (int col = 1; col < m_grid.GetColumnCount(); ++col)
        cells.push_back(toU16(m_grid.GetItemText(row, col)));
    return { cells };
}

CellMatrix CGridDialog::ColumnToCellMatrix(int col) const
{
    CellMatrix matrix;
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        matrix.push_back({ toU16(m_grid.GetItemText(row, col)) });
    return matrix;
}

void CGridDialog::ShiftColumnsRight(int col)
{
    if (col <= 0)
        return;
    // The header row moves too: whatever the headers hold stays with its column.
    for (int c = m_grid.GetColumnCount() - 1; c > col; --c) {
        for (int row = 0; row < m_grid.GetRowCount(); ++row)
            m_grid.SetItemText(row, c, m_grid.GetItemText(row, c - 1));
        m_grid.SetColumnWidth(c, m_grid.GetColumnWidth(c - 1));
    }
    for (int row = 0; row < m_grid.GetRowCount(); ++row)
        m_grid.SetItemText(row, col, QString());
    m_grid.SetColumnWidth(col, m_grid.GetDefaultCellWidth());
}

void CGridDialog::ShiftColumnsLeft(int col)
{
    if (col <= 0)
        return;
    for (int c = col; c < m_grid.GetColumnCount() - 1; ++c) {
        for (int row = 0; row < m_grid.GetRowCount(); ++row)
            m_grid.SetItemText(row, c, m_grid.GetItemText(row, c + 1));
        m_grid.SetColumnWidth(c, m_grid.GetColumnWidth(c + 1));
    }
}

void CGridDialog::KeepFocusCell()
{
    CCellID focus = m_grid.GetFocusCell();
    if (!focus.IsValid() || focus.row < 1 || focus.col < 1) {
        focus = { std::clamp(m_clickedRow, 1, std::max(1, m_grid.GetRowCount() - 1)),
            std::clamp(m_clickedColumn, 1, std::max(1, m_grid.GetColumnCount() - 1)) };
        m_grid.SetFocusCell(focus.row, focus.col);
    }
    // Copy and Cut act on the selection: with none, the focus cell is it.
    if (m_grid.GetFocusCell().IsValid() && !m_grid.GetSelectedRange().IsValid())
        m_grid.SetSelectedRange({ focus.row, focus.col, focus.row, focus.col });
}

void CGridDialog::SaveUndoSnapshot()
{
    m_cellSnapshot.reset();
    m_undoStack.push_back(GridToCellMatrix());
}

void CGridDialog::OnCellsAboutToChange()
{
    m_cellSnapshot = GridToCellMatrix();
}

void CGridDialog::OnCellEdited()
{
    // The first cell a command changes pushes what the grid was before it;
    // the rest of a paste or a cut belongs to the same step.
    if (m_cellSnapshot) {
        m_undoStack.push_back(std::move(*m_cellSnapshot));
        m_cellSnapshot.reset();
    }
}

void CGridDialog::OnUndo()
{
    if (m_undoStack.empty())
        return;
    // An editor still open would write its text over the restored cell.
    m_grid.EndEditing();
    m_cellSnapshot.reset();
    const CellMatrix snapshot = std::move(m_undoStack.back());
    m_undoStack.pop_back();
    LoadCellMatrix(snapshot, true);
    KeepFocusCell();
    update();
}
