#include "grid/CGridCtrl.h"

#include "core/table/ClipboardTable.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"

#include <QAction>

#include <algorithm>
#include <string_view>
#include <vector>

void CGridCtrl::CreateActions()
{
    const auto add = [this](const QString& text, auto command) {
        auto* action = new QAction(text, this);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    m_copyAction = add(tr("&Copy"), [this] { CopySelection(); });
    m_cutAction = add(tr("Cu&t"), [this] { CutSelection(); });
    m_pasteAction = add(tr("&Paste"), [this] { PasteClipboard(); });
}

void CGridCtrl::UpdateActionStates()
{
    const bool selection = !m_model.GetSelection().IsEmpty();
    const CCellID focus = m_model.GetFocusCell();
    m_copyAction->setEnabled(selection);
    m_cutAction->setEnabled(selection);
    m_pasteAction->setEnabled(m_model.IsValid(focus) && !m_model.IsCellReadOnly(focus.row, focus.col)
        && !GetClipboardText().isEmpty());
}

bool CGridCtrl::CopySelection()
{
    const CCellRange range = m_model.GetSelectedRange();
    if (!range.IsValid())
        return false;
    // Unselected cells inside the range keep their place as empty texts;
    // hidden rows and columns leave no trace, not even a separator. A cell
    // with a tab, a line break or a quote is quoted as spreadsheets do.
    QString text;
    bool firstRow = true;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (!m_model.IsRowVisible(row))
            continue;
        if (!firstRow)
            text += QStringLiteral("\r\n");
        firstRow = false;
        bool firstCol = true;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (!m_model.IsColumnVisible(col))
                continue;
            if (!firstCol)
                text += u'\t';
            firstCol = false;
            if (m_model.IsCellSelected(row, col))
                text += toQString(QuoteClipboardCell(toU16(m_model.GetItemText(row, col))));
        }
    }
    return CopyTextToClipboard(text);
}

void CGridCtrl::CutSelection()
{
    // Only what reached the clipboard is cleared.
    if (CopySelection())
        ClearSelectedCells();
}

void CGridCtrl::ClearSelectedCells()
{
    std::vector<GridCellText> cells;
    m_model.GetSelection().ForEachCell([&](int row, int col) {
        if (m_model.IsRowVisible(row) && m_model.IsColumnVisible(col))
            cells.push_back({ row, col, GridText() });
    });
    SetItemTextsNotified(cells, GetEditReceivers());
    ReportChanges(cells);
    viewport()->update();
}

CCellID CGridCtrl::PasteTarget() const
{
    const CCellRange selected = m_model.GetSelectedRange();
    if (selected.IsValid())
        return selected.TopLeft();
    const CCellID focus = m_model.GetFocusCell();
    return m_model.IsValid(focus) ? focus : m_model.GetTopLeftDataCell();
}

void CGridCtrl::PasteClipboard()
{
    const CCellID target = PasteTarget();
    if (m_inPlaceEdit && m_inPlaceEdit->GetRow() == target.row && m_inPlaceEdit->GetColumn() == target.col) {
        m_inPlaceEdit->PasteClipboardText();
        return;
    }
    EndEditing();
    if (!m_model.IsValid(target) || m_model.IsCellReadOnly(target.row, target.col))
        return;
    const QString text = GetClipboardText();
    ClipboardCellReader reader(toU16View(text));
    // The pasted texts share a few strings rather than take one each.
    GridTextArena arena;
    std::vector<GridCellText> cells;
    // No more cells than the grid has room for from the target on, nor than
    // the text has characters and one more.
    const qsizetype room
        = qsizetype(m_model.GetRowCount() - target.row) * (m_model.GetColumnCount() - target.col);
    cells.reserve(static_cast<std::size_t>(std::min(room, text.size() + 1)));
    // Rows and columns from the target on, hidden ones passed over; what
    // reaches beyond the last row or column is dropped: a paste never grows
    // the grid.
    int nextRow = target.row;
    int row = -1;
    int col = -1;
    int lastRow = -1;
    int lastCol = -1;
    while (reader.Next()) {
        if (reader.Column() == 0) {
            row = m_model.VisibleRowFrom(nextRow, 1);
            if (row < 0)
                break;
            nextRow = row + 1;
            col = target.col;
        }
        if (col >= 0)
            col = m_model.VisibleColumnFrom(col, 1);
        if (col < 0)
            continue;
        const std::u16string_view cell = reader.Cell();
        cells.emplace_back(row, col, arena.Add(QStringView(cell.data(), cell.size())));
        lastRow = std::max(lastRow, row);
        lastCol = std::max(lastCol, col);
        ++col;
    }
    SetItemTextsNotified(cells, GetEditReceivers());
    if (lastRow >= 0) {
        m_model.ForgetKeptSelection();
        m_model.SelectRange({ target.row, target.col, lastRow, lastCol });
        WidenColumnsToFit({ target.row, target.col, lastRow, lastCol });
    }
    ReportChanges(cells);
    viewport()->update();
}

void CGridCtrl::SelectAllCells()
{
    const CCellID focus = m_model.GetFocusCell();
    emit selectionChanging(focus.row, focus.col);
    m_model.ForgetKeptSelection();
    m_model.SelectRange(m_model.GetDataRange(), SelectionKind::All);
    emit selectionChanged(focus.row, focus.col);
    viewport()->update();
}
