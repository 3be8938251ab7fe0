#include "grid/CInPlaceEdit.h"

#include "grid/CellText.h"
#include "platform/Clipboard.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// Ending an edit notifies the grid and closes the editor, which takes the
// focus away from it, which would end the edit again: one edit ends at a time.
bool s_endingEdit = false;

bool IsArrowOrPageKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsNavigationKey(int key)
{
    return IsArrowOrPageKey(key) || key == Qt::Key_Home || key == Qt::Key_End;
}

CInPlaceEdit::CInPlaceEdit(QWidget* parent, const QRect& rect, const QFont& font, int textLeft, int row,
    int col, const QString& text, const EditStartKey& start, int maxRight)
    : QLineEdit(parent)
    , m_row(row)
    , m_col(col)
    , m_initialText(text)
    , m_cellRect(rect)
    , m_maxRight(maxRight)
    , m_exitOnArrows(start.key != EditStartKey::LEFT_BUTTON)
{
    setFont(font);
    // A drop could carry line breaks into the one-line cell text.
    setAcceptDrops(false);
    setFrame(false);
    setGeometry(rect);
    // The line edit keeps two pixels of its own before the text.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int inset = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).left() + 2;
    setTextMargins(std::max(0, textLeft - inset), 0, 0, 0);
    setText(ShownCellText(text));
    connect(this, &QLineEdit::textChanged, this, &CInPlaceEdit::Widen);
    Start(start);
    Widen();
    show();
    setFocus(Qt::OtherFocusReason);
}

void CInPlaceEdit::Start(const EditStartKey& start)
{
    switch (start.key) {
    case EditStartKey::LEFT_BUTTON:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        end(false);
        return;
    case Qt::Key_Backspace:
        end(false);
        backspace();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Space:
        selectAll();
        return;
    default:
        selectAll();
        if (!IsNavigationKey(start.key))
            insert(start.text);
    }
}

void CInPlaceEdit::Widen()
{
    // The line edit's own margins around the text.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int chrome = width() - contents.width() + textMargins().left() + textMargins().right() + 4;
    const int wanted = fontMetrics().horizontalAdvance(text() + u' ') + chrome;
    const int widest = std::max(m_cellRect.width(), m_maxRight - m_cellRect.left());
    resize(std::clamp(wanted, m_cellRect.width(), widest), m_cellRect.height());
}

bool CInPlaceEdit::event(QEvent* event)
{
    // Tab ends the edit here rather than moving the dialog's focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Alt+Enter breaks the line, as in spreadsheets.
        if (event->modifiers() & Qt::AltModifier) {
            insert(QString(QChar(LINE_BREAK_MARK)));
            return;
        }
        End(key, event->modifiers());
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        End(key, event->modifiers());
        return;
    case Qt::Key_Escape:
        setText(ShownCellText(m_initialText));
        End(key, event->modifiers());
        return;
    default:
        break;
    }
    if (IsArrowOrPageKey(key) && (m_exitOnArrows || (event->modifiers() & Qt::ControlModifier))) {
        End(key, event->modifiers());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboardText();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedText();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        CutSelectedText();
        return;
    }
    // Keys the line edit does not use (Up, Down, Page Up) would reach the
    // grid behind it and move the focus away from the cell being edited.
    QLineEdit::keyPressEvent(event);
    event->accept();
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The editor's own context menu takes the focus for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        EndEdit();
}

void CInPlaceEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button would paste the selection straight from the system,
    // around the clipboard layer.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CInPlaceEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const bool selection = hasSelectedText();
    menu.addAction(tr("&Undo"), QKeySequence::Undo, this, &QLineEdit::undo)->setEnabled(isUndoAvailable());
    menu.addAction(tr("&Redo"), QKeySequence::Redo, this, &QLineEdit::redo)->setEnabled(isRedoAvailable());
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), QKeySequence::Cut, this, &CInPlaceEdit::CutSelectedText)
        ->setEnabled(selection);
    menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &CInPlaceEdit::CopySelectedText)
        ->setEnabled(selection);
    menu.addAction(tr("&Paste"), QKeySequence::Paste, this, &CInPlaceEdit::PasteClipboardText)
        ->setEnabled(!GetClipboardText().isEmpty());
    menu.addAction(tr("Delete"), this, &QLineEdit::del)->setEnabled(selection);
    menu.addSeparator();
    menu.addAction(tr("Select All"), QKeySequence::SelectAll, this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void CInPlaceEdit::PasteClipboardText()
{
    // A spreadsheet's cell comes with a line break after it; breaks inside the
    // text are the cell's own and show as their mark.
    QString pasted = GetClipboardText();
    while (pasted.endsWith(u'\n') || pasted.endsWith(u'\r'))
        pasted.chop(1);
    insert(ShownCellText(pasted));
}

void CInPlaceEdit::CopySelectedText()
{
    if (hasSelectedText())
        CopyTextToClipboard(selectedText());
}

void CInPlaceEdit::CutSelectedText()
{
    if (hasSelectedText() && CopyTextToClipboard(selectedText()))
        del();
}

void CInPlaceEdit::End(int key, Qt::KeyboardModifiers modifiers)
{
    if (s_endingEdit || m_ended)
        return;
    s_endingEdit = true;
    m_ended = true;
    // Esc hands back the very text the editor started with.
    emit editEnded(
        m_row, m_col, key == Qt::Key_Escape ? m_initialText : CellTextFromShown(text()), key, modifiers);
    hide();
    deleteLater();
    s_endingEdit = false;
}
