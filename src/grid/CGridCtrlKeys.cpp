#include "grid/CGridCtrl.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

enum class CommandKey {
    None,
    Copy,
    Cut,
    Paste,
    SelectAll,
    SelectRows,
    SelectColumns,
    Clear,
    SizeColumns,
    Menu
};

CommandKey CommandKeyOf(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_A:
        return ctrl ? CommandKey::SelectAll : CommandKey::None;
    case Qt::Key_C:
        return ctrl ? CommandKey::Copy : CommandKey::None;
    case Qt::Key_X:
        return ctrl ? CommandKey::Cut : CommandKey::None;
    case Qt::Key_V:
        return ctrl ? CommandKey::Paste : CommandKey::None;
    case Qt::Key_Insert:
        if (ctrl)
            return CommandKey::Copy;
        return modifiers == Qt::ShiftModifier ? CommandKey::Paste : CommandKey::None;
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier ? CommandKey::Clear : CommandKey::None;
    case Qt::Key_Plus:
        return ctrl && (event->modifiers() & Qt::KeypadModifier) ? CommandKey::SizeColumns : CommandKey::None;
    // As in spreadsheets: Shift+Space selects rows, Ctrl+Space columns.
    case Qt::Key_Space:
        if (ctrl)
            return CommandKey::SelectColumns;
        return modifiers == Qt::ShiftModifier ? CommandKey::SelectRows : CommandKey::None;
    case Qt::Key_Menu:
        return modifiers == Qt::NoModifier ? CommandKey::Menu : CommandKey::None;
    case Qt::Key_F10:
        return modifiers == Qt::ShiftModifier ? CommandKey::Menu : CommandKey::None;
    default:
        return CommandKey::None;
    }
}

} // namespace

bool CGridCtrl::IsCommandKey(const QKeyEvent* event)
{
    return CommandKeyOf(event) != CommandKey::None;
}

bool CGridCtrl::HandleCommandKey(const QKeyEvent* event)
{
    switch (CommandKeyOf(event)) {
    case CommandKey::Copy:
        CopySelection();
        return true;
    case CommandKey::Cut:
        CutSelection();
        return true;
    case CommandKey::Paste:
        PasteClipboard();
        return true;
    case CommandKey::SelectAll:
        SelectAllCells();
        return true;
    case CommandKey::SelectRows:
        SelectWhole(SelectionKind::Rows);
        return true;
    case CommandKey::SelectColumns:
        SelectWhole(SelectionKind::Columns);
        return true;
    case CommandKey::Menu:
        ReportMenuKey();
        return true;
    case CommandKey::Clear:
        ClearSelectedCells();
        return true;
    case CommandKey::SizeColumns:
        AutoSizeColumns();
        return true;
    case CommandKey::None:
        break;
    }
    return false;
}

void CGridCtrl::SelectWhole(SelectionKind kind)
{
    const CCellID focus = m_model.GetFocusCell();
    CCellRange range = m_model.GetSelectedRange();
    if (!range.IsValid())
        range = { focus.row, focus.col, focus.row, focus.col };
    const CCellRange data = m_model.GetDataRange();
    if (kind == SelectionKind::Rows)
        range = { range.minRow, data.minCol, range.maxRow, data.maxCol };
    else
        range = { data.minRow, range.minCol, data.maxRow, range.maxCol };
    emit selectionChanging(focus.row, focus.col);
    m_model.ForgetKeptSelection();
    m_model.SelectRange(range, kind);
    emit selectionChanged(focus.row, focus.col);
    viewport()->update();
}

void CGridCtrl::ReportMenuKey()
{
    const CCellID focus = m_model.GetFocusCell();
    switch (m_model.GetSelectionKind()) {
    case SelectionKind::All:
        emit rightClicked(0, 0);
        break;
    case SelectionKind::Rows:
        emit rightClicked(focus.row, 0);
        break;
    case SelectionKind::Columns:
        emit rightClicked(0, focus.col);
        break;
    case SelectionKind::Cells:
        emit rightClicked(focus.row, focus.col);
        break;
    }
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    const CCellID focus = m_model.GetFocusCell();
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Enter and Esc belong to the dialog's default and cancel buttons.
    if (!m_model.IsValid(focus) || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    if (HandleCommandKey(event))
        return;
    if (key == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        EditCell(focus.row, focus.col, EditStartKey::LeftButton());
        return;
    }
    if (MoveFocusByKey(key, modifiers))
        return;
    const bool mouseBusy = m_mouse.IsBusy();
    const bool commandModifier = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!mouseBusy && !commandModifier) {
        if (key == Qt::Key_Backspace) {
            EditCell(focus.row, focus.col, EditStartKey::Key(key));
            return;
        }
        const QString text = event->text();
        if (!text.isEmpty() && text.front().isPrint()) {
            EditCell(focus.row, focus.col, EditStartKey::Typed(key, text));
            return;
        }
    }
    event->ignore();
}

void CGridCtrl::inputMethodEvent(QInputMethodEvent* event)
{
    const CCellID focus = m_model.GetFocusCell();
    if (m_model.IsValid(focus) && !event->commitString().isEmpty()) {
        EditCell(focus.row, focus.col, EditStartKey::Typed(0, event->commitString()));
        event->accept();
        return;
    }
    QAbstractScrollArea::inputMethodEvent(event);
}

bool CGridCtrl::MoveFocusByKey(int key, Qt::KeyboardModifiers modifiers)
{
    const std::optional<CCellID> next = NextCellForKey(key, modifiers);
    if (!next)
        return false;
    if (m_model.IsValid(*next) && *next != m_model.GetFocusCell()) {
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        MoveFocusTo(*next, (modifiers & Qt::ShiftModifier) && !tab);
    }
    return true;
}

std::optional<CCellID> CGridCtrl::NextCellForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const CCellID focus = m_model.GetFocusCell();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const int firstCol = m_model.VisibleColumnFrom(m_model.GetFixedColumnCount(), 1);
    const int lastCol = m_model.VisibleColumnFrom(m_model.GetColumnCount() - 1, -1);
    const int firstRow = m_model.VisibleRowFrom(m_model.GetFixedRowCount(), 1);
    const int lastRow = m_model.VisibleRowFrom(m_model.GetRowCount() - 1, -1);
    const auto orStay
        = [&focus](int row, int col) { return row >= 0 && col >= 0 ? CCellID(row, col) : focus; };
    switch (key) {
    case Qt::Key_Down:
        return orStay(m_model.VisibleRowFrom(focus.row + 1, 1), focus.col);
    case Qt::Key_Up:
        return orStay(m_model.VisibleRowFrom(focus.row - 1, -1), focus.col);
    case Qt::Key_Left:
        return orStay(focus.row, m_model.VisibleColumnFrom(focus.col - 1, -1));
    case Qt::Key_Backtab:
        if (const int col = m_model.VisibleColumnFrom(focus.col - 1, -1); col >= 0)
            return CCellID(focus.row, col);
        return orStay(m_model.VisibleRowFrom(focus.row - 1, -1), lastCol);
    case Qt::Key_Right:
        if (const int col = m_model.VisibleColumnFrom(focus.col + 1, 1); col >= 0)
            return CCellID(focus.row, col);
        // Only from the last row: elsewhere Right stops at the edge, as Left does.
        return focus.row == lastRow ? AppendRowForKey() : focus;
    case Qt::Key_Tab:
        if (const int col = m_model.VisibleColumnFrom(focus.col + 1, 1); col >= 0)
            return CCellID(focus.row, col);
        if (const int row = m_model.VisibleRowFrom(focus.row + 1, 1); row >= 0)
            return orStay(row, firstCol);
        return AppendRowForKey();
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int step = key == Qt::Key_PageDown ? 1 : -1;
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() + step * bar->pageStep());
        const int target = std::clamp(focus.row + step * PageRows(), m_model.GetFixedRowCount(),
            std::max(m_model.GetFixedRowCount(), m_model.GetRowCount() - 1));
        const int row = m_model.VisibleRowFrom(target, step);
        return orStay(row >= 0 ? row : m_model.VisibleRowFrom(target, -step), focus.col);
    }
    case Qt::Key_Home:
        return orStay(ctrl ? firstRow : focus.row, firstCol);
    case Qt::Key_End:
        return orStay(ctrl ? lastRow : focus.row, lastCol);
    default:
        return std::nullopt;
    }
}

CCellID CGridCtrl::AppendRowForKey()
{
    SetRowCount(m_model.GetRowCount() + 1);
    return { m_model.GetRowCount() - 1, m_model.VisibleColumnFrom(m_model.GetFixedColumnCount(), 1) };
}

int CGridCtrl::PageRows() const
{
    const int height = DataArea().height();
    int rows = 0;
    int used = 0;
    for (const Span& row : VisibleSpans(Axis::Row)) {
        if (row.index < m_model.GetFixedRowCount())
            continue;
        used += row.size;
        if (used > height)
            break;
        ++rows;
    }
    return std::max(1, rows);
}

void CGridCtrl::MoveFocusTo(const CCellID& cell, bool extend)
{
    if (!m_mouse.IsSelecting())
        m_model.ForgetKeptSelection();
    if (!extend || !m_model.IsValid(m_model.GetSelectionStart()))
        m_model.SetSelectionStart(extend ? m_model.GetFocusCell() : cell);
    emit selectionChanging(cell.row, cell.col);
    m_model.SelectRange(CCellRange::Spanning(m_model.GetSelectionStart(), cell));
    emit selectionChanged(cell.row, cell.col);
    m_model.SetFocusCell(cell);
    EnsureVisible(cell.row, cell.col);
    viewport()->update();
}
