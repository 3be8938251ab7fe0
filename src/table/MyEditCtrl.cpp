#include "table/MyEditCtrl.h"

#include "platform/Clipboard.h"

#include <QMouseEvent>
#include <QTextCursor>

MyEditCtrl::MyEditCtrl(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

bool MyEditCtrl::canInsertFromMimeData(const QMimeData*) const
{
    return !GetClipboardText().isEmpty();
}

void MyEditCtrl::insertFromMimeData(const QMimeData*)
{
    QString text = GetClipboardText();
    if (text.isEmpty())
        return;
    // Line breaks of any platform become the box's own.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void MyEditCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button would paste the selection straight from the system.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}
