#include "table/CGridDialog.h"

#include "core/table/CellValue.h"
#include "core/table/TableRow.h"
#include "platform/StringConvert.h"
#include "table/GridTexts.h"

#include <algorithm>
#include <utility>

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
            if (index >= cells.size()) {
                m_grid.SetItemText(row, col, QString());
                continue;
            }
            // The cell shows its value; a value the file wrote otherwise than
            // it would be written now keeps the file's text.
            std::u16string value = CellValue(cells[index]);
            if (WrittenCell(value) != cells[index])
                m_writtenAs.emplace(value, cells[index]);
            m_grid.SetItemText(row, col, toQString(value));
        }
    }
}

CellMatrix CGridDialog::WrittenCells() const
{
    CellMatrix matrix = GridToCellMatrix();
    for (CellRow& cells : matrix)
        for (std::u16string& cell : cells) {
            const auto kept = m_writtenAs.find(cell);
            cell = kept != m_writtenAs.end() ? kept->second : WrittenCell(cell);
        }
    return matrix;
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
    TextMatrix texts(matrix.size());
    for (std::size_t row = 0; row < matrix.size(); ++row)
        for (const std::u16string& cell : matrix[row])
            texts[row].push_back(toQString(cell));
    LoadGridTexts(m_grid, std::move(texts), exact);
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

void CGridDialog::Record(TableStep step)
{
    m_history.Push(std::move(step));
}

void CGridDialog::OnCellsChanged(std::vector<GridCellText>& before)
{
    Record(TableStep::Cells(std::move(before)));
}

void CGridDialog::SetCellText(int row, int col, const QString& text, TableStep& step)
{
    const QString old = m_grid.GetItemText(row, col);
    if (old == text)
        return;
    m_grid.SetItemText(row, col, text);
    step.AddCell(row, col, old);
}

void CGridDialog::OnUndo()
{
    // An editor still open would write its text over the restored cell.
    m_grid.EndEditing();
    if (m_history.CanUndo())
        AfterHistory(m_history.Undo(m_grid));
}

void CGridDialog::OnRedo()
{
    // Text still open in an editor is a change of its own, which leaves
    // nothing to redo.
    m_grid.EndEditing();
    if (m_history.CanRedo())
        AfterHistory(m_history.Redo(m_grid));
}

void CGridDialog::AfterHistory(const CCellRange& changed)
{
    m_grid.WidenColumnsToFit(changed);
    KeepFocusCell();
    update();
}
