#include "grid/CGridCtrl.h"
#include "grid/CellState.h"

#include <QMetaMethod>

#include <utility>

void CGridCtrl::EditCell(int row, int col, const EditStartKey& start)
{
    if (!m_model.IsValid(row, col) || m_model.IsCellReadOnly(row, col))
        return;
    EndEditing();
    EnsureVisible(row, col);
    QRect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, rect))
        return;
    GridEditResult result;
    emit beginEdit(row, col, &result);
    if (result.vetoed)
        return;
    // Inside the focus frame and the grid lines, its text where the cell's was.
    const int frame = FOCUS_FRAME_WIDTH;
    m_inPlaceEdit = new CInPlaceEdit(viewport(), rect.adjusted(frame, frame, -frame - 1, -frame - 1),
        m_model.GetGridFont(), m_model.GetCellMargin() - frame, row, col, m_model.GetItemText(row, col),
        start, viewport()->width());
    connect(m_inPlaceEdit, &CInPlaceEdit::editEnded, this, &CGridCtrl::OnEditEnded);
    // The frame follows the editor as it widens.
    connect(m_inPlaceEdit, &QLineEdit::textChanged, viewport(), qOverload<>(&QWidget::update));
}

void CGridCtrl::EndEditing()
{
    if (!m_inPlaceEdit)
        return;
    // The grid takes the focus back first; closing the focused editor would
    // hand the focus to the dialog's next control.
    if (m_inPlaceEdit->hasFocus())
        setFocus(Qt::OtherFocusReason);
    if (m_inPlaceEdit)
        m_inPlaceEdit->EndEdit();
}

void CGridCtrl::OnEditEnded(int row, int col, const QString& text, int key, Qt::KeyboardModifiers modifiers)
{
    m_inPlaceEdit = nullptr;
    // A key pressed in the editor ended it, so the editor had the focus.
    if (key != 0)
        setFocus(Qt::OtherFocusReason);
    EndEditCell(row, col, text);

    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (!tab && !IsNavigationKey(key))
        return;
    // Editing goes on in the cell the key moves to.
    const CCellID before = m_model.GetFocusCell();
    MoveFocusByKey(key, modifiers);
    const CCellID after = m_model.GetFocusCell();
    if (m_model.IsValid(after) && after != before)
        EditCell(after.row, after.col, EditStartKey::Key(key));
}

void CGridCtrl::EndEditCell(int row, int col, const QString& text)
{
    // beginEdit was asked as the editing began.
    EditReceivers receivers = GetEditReceivers();
    receivers.begin = false;
    std::vector<GridCellText> changes { { row, col, GridText(text) } };
    SetItemTextsNotified(changes, receivers);
    if (!changes.empty())
        WidenColumnsToFit({ row, col, row, col });
    ReportChanges(changes);
    viewport()->update();
}

bool CGridCtrl::ValidateEdit(int row, int col, QStringView)
{
    return m_model.IsValid(row, col);
}

CGridCtrl::EditReceivers CGridCtrl::GetEditReceivers() const
{
    return { isSignalConnected(QMetaMethod::fromSignal(&CGridCtrl::beginEdit)),
        isSignalConnected(QMetaMethod::fromSignal(&CGridCtrl::endEdit)) };
}

void CGridCtrl::SetItemTextsNotified(std::vector<GridCellText>& cells, const EditReceivers& receivers)
{
    // One loop with the signals out of line: a paste runs it for every cell.
    auto changed = cells.begin();
    for (auto change = cells.begin(); change != cells.end(); ++change) {
        const int row = change->row;
        const int col = change->col;
        CGridCell* cell = m_model.GetCell(row, col);
        if (cell == nullptr || (cell->GetState() & CELL_READONLY) != 0)
            continue;
        if (receivers.begin && (cell = CellAfterBeginEdit(row, col)) == nullptr)
            continue;
        if (cell->GetText() == change->text.View())
            continue;
        cell->ExchangeText(change->text);
        bool accepted = ValidateEdit(row, col, cell->GetText().View());
        if (accepted && receivers.end && (cell = CellAfterEndEdit(row, col, accepted)) == nullptr)
            continue;
        if (!accepted) {
            // Refused: the cell is as it was, and nothing is marked modified.
            cell->SetText(std::move(change->text));
            continue;
        }
        cell->SetState(cell->GetState() | CELL_MODIFIED);
        m_model.SetModified(true);
        if (changed != change)
            *changed = std::move(*change);
        ++changed;
    }
    cells.erase(changed, cells.end());
}

CGridCell* CGridCtrl::CellAfterBeginEdit(int row, int col)
{
    GridEditResult result;
    emit beginEdit(row, col, &result);
    // The receivers may have reshaped the grid.
    return result.vetoed ? nullptr : m_model.GetCell(row, col);
}

CGridCell* CGridCtrl::CellAfterEndEdit(int row, int col, bool& accepted)
{
    GridEditResult result;
    emit endEdit(row, col, &result);
    accepted = !result.vetoed;
    // The receivers may have reshaped the grid: the cell is looked up anew.
    return m_model.GetCell(row, col);
}

void CGridCtrl::ReportChanges(std::vector<GridCellText>& changes)
{
    if (changes.empty())
        return;
    // A command reserves room for the most cells it could change; a receiver
    // that keeps the list should not keep much more room than it uses.
    if (changes.capacity() / 2 > changes.size())
        changes.shrink_to_fit();
    emit cellsChanged(changes);
}
