#include "table/CGridDialog.h"

#include "core/table/MatrixShape.h"
#include "grid/GridText.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"
#include "table/GridMenus.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include <algorithm>
#include <string_view>

using namespace GridCommandId;

namespace {

ClipboardTable ClipboardAsTable()
{
    const QString text = GetClipboardText();
    return ParseClipboardTable(toU16View(text));
}

ClipboardShape ClipboardShapeNow()
{
    const QString text = GetClipboardText();
    return ClipboardTableShape(toU16View(text));
}

// The clipboard's table as the grid's texts, which share a few strings rather
// than take one each.
TextMatrix ClipboardAsTexts()
{
    const QString text = GetClipboardText();
    TextMatrix texts;
    GridTextArena arena;
    ClipboardCellReader cells(toU16View(text));
    while (cells.Next()) {
        if (cells.Column() == 0) {
            // Rows of a table tend to be alike.
            const std::size_t likely = texts.empty() ? 0 : texts.back().size();
            texts.emplace_back().reserve(likely);
        }
        const std::u16string_view cell = cells.Cell();
        texts.back().push_back(arena.Add(QStringView(cell.data(), cell.size())));
    }
    return texts;
}

void CopyMatrixToClipboard(const CellMatrix& matrix)
{
    CopyTextToClipboard(toQString(CellMatrixToClipboardText(matrix)));
}

bool NeedsClipboardShape(int menu)
{
    return menu != GridMenuId::IDR_CELL_MENU;
}

} // namespace

void CGridDialog::OnGridRightClick(int row, int col)
{
    m_clickedRow = row;
    m_clickedColumn = col;
    const int menu = GridMenuForCell(row, col);
    // As in a spreadsheet, what the menu acts on shows selected: the row, the
    // column or the table of a header, or the cell clicked unless it is part
    // of the selection already.
    const int lastRow = m_grid.GetRowCount() - 1;
    const int lastCol = m_grid.GetColumnCount() - 1;
    switch (menu) {
    case GridMenuId::IDR_ROW_MENU:
        m_grid.SetSelectedRange({ row, 1, row, lastCol }, SelectionKind::Rows);
        break;
    case GridMenuId::IDR_COLUMN_MENU:
        m_grid.SetSelectedRange({ 1, col, lastRow, col }, SelectionKind::Columns);
        break;
    case GridMenuId::IDR_TABLE_MENU:
        m_grid.SetSelectedRange({ 1, 1, lastRow, lastCol }, SelectionKind::All);
        break;
    default:
        if (row >= 1 && col >= 1 && !m_grid.IsCellSelected(row, col))
            m_grid.SetSelectedRange({ row, col, row, col });
    }
    // The menu opens at the clicked cell's top right corner; outside every
    // cell, at the pointer.
    QPoint where = QCursor::pos();
    if (QRect cell; m_grid.GetCellRect(row, col, cell))
        where = m_grid.viewport()->mapToGlobal(QPoint(cell.x() + cell.width(), cell.y()));
    BuildContextMenu(menu)->popup(where);
}

QMenu* CGridDialog::BuildContextMenu(int menu)
{
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("gridMenu%1").arg(menu));
    // Gone once closed; a chosen item has run by then.
    connect(popup, &QMenu::aboutToHide, popup, &QObject::deleteLater);
    m_grid.UpdateActionStates();
    const ClipboardShape shape = NeedsClipboardShape(menu) ? ClipboardShapeNow() : CLIP_EMPTY;
    for (const GridMenuItem& item : GridMenuItems(menu)) {
        if (item.command == 0) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromUtf16(item.text.data(), item.text.size()));
        action->setData(item.command);
        action->setEnabled(IsCommandEnabled(item.command, shape));
        connect(action, &QAction::triggered, this, [this, command = item.command] { OnCommand(command); });
    }
    return popup;
}

QAction* CGridDialog::GridAction(int command) const
{
    switch (command) {
    case ID_EDIT_COPY:
        return m_grid.CopyAction();
    case ID_EDIT_CUT:
        return m_grid.CutAction();
    case ID_EDIT_PASTE:
        return m_grid.PasteAction();
    default:
        return nullptr;
    }
}

bool CGridDialog::IsCommandEnabled(int command, ClipboardShape clipboardShape) const
{
    if (const QAction* action = GridAction(command))
        return action->isEnabled();
    switch (command) {
    case ID_PASTE_ROW:
        return clipboardShape == CLIP_ROW;
    case ID_PASTE_COLUMN:
        return clipboardShape == CLIP_COLUMN;
    case ID_PASTE_TABLE:
        return clipboardShape == CLIP_TABLE;
    case ID_UNDO:
        return m_history.CanUndo();
    case ID_REDO:
        return m_history.CanRedo();
    default:
        return true;
    }
}

void CGridDialog::OnCommand(int command)
{
    // The grid serves its own commands first; the rest are the dialog's.
    if (QAction* action = GridAction(command)) {
        action->trigger();
        return;
    }
    switch (command) {
    case ID_INSERT_ROW_ABOVE:
        OnInsertRowAbove();
        break;
    case ID_INSERT_ROW_BELOW:
        OnInsertRowBelow();
        break;
    case ID_DELETE_ROW:
        OnDeleteRow();
        break;
    case ID_COPY_ROW:
        OnCopyRow();
        break;
    case ID_PASTE_ROW:
        OnPasteRow();
        break;
    case ID_INSERT_COLUMN_BEFORE:
        OnInsertColumnBefore();
        break;
    case ID_INSERT_COLUMN_AFTER:
        OnInsertColumnAfter();
        break;
    case ID_DELETE_COLUMN:
        OnDeleteColumn();
        break;
    case ID_COPY_COLUMN:
        OnCopyColumn();
        break;
    case ID_PASTE_COLUMN:
        OnPasteColumn();
        break;
    case ID_PASTE_TABLE:
        OnPasteTable();
        break;
    case ID_TRANSFORM:
        OnTransform();
        break;
    case ID_UNDO:
        OnUndo();
        break;
    case ID_REDO:
        OnRedo();
        break;
    default:
        break;
    }
}

void CGridDialog::OnInsertRowAbove()
{
    const int row = m_grid.InsertRow(m_clickedRow);
    Record(row >= 0 ? TableStep::LineAdded(Axis::Row, row) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnInsertRowBelow()
{
    const int row = m_grid.InsertRow(m_clickedRow < m_grid.GetRowCount() - 1 ? m_clickedRow + 1 : -1);
    Record(row >= 0 ? TableStep::LineAdded(Axis::Row, row) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnDeleteRow()
{
    // A command that changes nothing is still a step, and Undo shows the
    // grid as it stands.
    const bool valid = m_clickedRow >= 0 && m_clickedRow < m_grid.GetRowCount();
    Record(valid ? TableStep::RemoveLine(m_grid, Axis::Row, m_clickedRow) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnCopyRow()
{
    CopyMatrixToClipboard(RowToCellMatrix(m_clickedRow));
}

void CGridDialog::OnPasteRow()
{
    // Every parsed row goes to the clicked row; cells past the last column
    // are dropped, and the grid does not grow.
    TableStep step = TableStep::Cells();
    for (const CellRow& cells : ClipboardAsTable().matrix) {
        const int count = std::min(static_cast<int>(cells.size()), m_grid.GetColumnCount() - 1);
        for (int col = 1; col <= count; ++col)
            SetCellText(m_clickedRow, col, toQString(cells[col - 1]), step);
    }
    Record(std::move(step));
    m_grid.WidenColumnsToFit({ m_clickedRow, 1, m_clickedRow, m_grid.GetColumnCount() - 1 });
}

void CGridDialog::OnInsertColumnBefore()
{
    const int col = m_clickedColumn >= 1 ? m_grid.InsertColumn(m_clickedColumn) : -1;
    Record(col >= 0 ? TableStep::LineAdded(Axis::Column, col) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnInsertColumnAfter()
{
    const int after = m_clickedColumn + 1;
    int col = -1;
    if (after >= 1)
        col = m_grid.InsertColumn(after < m_grid.GetColumnCount() ? after : -1);
    Record(col >= 0 ? TableStep::LineAdded(Axis::Column, col) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnDeleteColumn()
{
    const bool valid = m_clickedColumn >= 1 && m_clickedColumn < m_grid.GetColumnCount();
    Record(valid ? TableStep::RemoveLine(m_grid, Axis::Column, m_clickedColumn) : TableStep::Cells());
    KeepFocusCell();
}

void CGridDialog::OnCopyColumn()
{
    CopyMatrixToClipboard(ColumnToCellMatrix(m_clickedColumn));
}

void CGridDialog::OnPasteColumn()
{
    // Parsed row k goes to grid row k from the clicked column on; what
    // reaches past the last row or column is dropped.
    TableStep step = TableStep::Cells();
    const CellMatrix matrix = ClipboardAsTable().matrix;
    const int rows = std::min(static_cast<int>(matrix.size()), m_grid.GetRowCount() - 1);
    for (int row = 1; row <= rows; ++row) {
        const CellRow& cells = matrix[row - 1];
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const int col = m_clickedColumn + static_cast<int>(k);
            if (col >= m_grid.GetColumnCount())
                break;
            SetCellText(row, col, toQString(cells[k]), step);
        }
    }
    Record(std::move(step));
    m_grid.WidenColumnsToFit({ 1, m_clickedColumn, rows, m_grid.GetColumnCount() - 1 });
}

void CGridDialog::OnPasteTable()
{
    TableStep step = TableStep::WholeTable(m_grid);
    LoadGridTexts(m_grid, ClipboardAsTexts(), false);
    Record(std::move(step));
    m_grid.AutoSize();
    KeepFocusCell();
}

void CGridDialog::OnTransform()
{
    TableStep step = TableStep::WholeTable(m_grid);
    LoadCellMatrix(TransposeCellMatrix(GridToCellMatrix()), true);
    Record(std::move(step));
    m_grid.AutoSize();
    KeepFocusCell();
}
