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
    auto changed = cells.begin();
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        if (!SetItemTextNotified(cell->row, cell->col, cell->text, receivers))
            continue;
        if (changed != cell)
            *changed = std::move(*cell);
        ++changed;
    }
    cells.erase(changed, cells.end());
}

bool CGridCtrl::SetItemTextNotified(int row, int col, GridText& text, const EditReceivers& receivers)
{
    CGridCell* cell = m_model.GetCell(row, col);
    if (cell == nullptr || (cell->GetState() & CELL_READONLY) != 0)
        return false;
    if (receivers.begin) {
        GridEditResult result;
        emit beginEdit(row, col, &result);
        // The receivers may have reshaped the grid.
        cell = m_model.GetCell(row, col);
        if (result.vetoed || cell == nullptr)
            return false;
    }
    if (cell->GetText() == text.View())
        return false;
    cell->ExchangeText(text);
    bool vetoed = !ValidateEdit(row, col, cell->GetText().View());
    if (!vetoed && receivers.end) {
        GridEditResult result;
        emit endEdit(row, col, &result);
        vetoed = result.vetoed;
        // The receivers may have reshaped the grid: the cell is looked up anew.
        cell = m_model.GetCell(row, col);
        if (cell == nullptr)
            return false;
    }
    if (vetoed) {
        // Refused: the cell is as it was, and nothing is marked modified.
        cell->SetText(std::move(text));
        return false;
    }
    cell->SetState(cell->GetState() | CELL_MODIFIED);
    m_model.SetModified(true);
    return true;
}

void CGridCtrl::ReportChanges(const std::vector<GridCellText>& changes)
{
    if (!changes.empty())
        emit cellsChanged(changes);
}
