#include "GuardedPasteEdit.h"

#include "Clipboard.h"
#include "LineFeeds.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

#include <utility>

GuardedPasteEdit::GuardedPasteEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void GuardedPasteEdit::PasteClipboardText()
{
    if (!isReadOnly())
        InsertPastedText(GetClipboardText());
}

bool GuardedPasteEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source != nullptr && source->hasText();
}

void GuardedPasteEdit::insertFromMimeData(const QMimeData*)
{
    InsertPastedText(m_droppedText ? *m_droppedText : GetClipboardText());
}

void GuardedPasteEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboardText();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void GuardedPasteEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes what was last selected, where the system keeps
    // a selection (X11), at the place clicked.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        if (isReadOnly())
            return;
        const QString text = GetSelectionText();
        if (text.isEmpty())
            return;
        setTextCursor(cursorForPosition(event->position().toPoint()));
        InsertPastedText(text);
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

void GuardedPasteEdit::dropEvent(QDropEvent* event)
{
    // Qt's drop places the caret and, for text moved within the box, takes
    // it away from where it was, all in one edit; the text it inserts is the
    // one read here.
    const QMimeData* data = event->mimeData();
    m_droppedText = data != nullptr ? data->text() : QString();
    QPlainTextEdit::dropEvent(event);
    m_droppedText.reset();
}

void GuardedPasteEdit::InsertPastedText(QString text)
{
    if (text.isEmpty())
        return;
    // A line separator would break the line on the screen but not in the
    // file; every kind of line break becomes one of the box's lines.
    text = WithLineFeeds(std::move(text));
    text.replace(QChar::LineSeparator, u'\n');
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}
