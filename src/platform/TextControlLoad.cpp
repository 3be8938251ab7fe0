#include "TextControl.h"

#include "core/LineBreaks.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// About a megabyte of text: few enough pieces for a large file that each
// costs nothing extra, enough that its progress can be shown.
constexpr qsizetype pieceLength = 512 * 1024;

// Where the lines of `text` that can go in now end: just after its last line
// break, a CR at its very end waiting for the LF that may follow it.
qsizetype LinesEnd(QStringView text)
{
    for (qsizetype at = text.size(); at > 0; --at) {
        const char16_t c = text[at - 1].unicode();
        if (IsLineBreak(c) && (c == u'\n' || at < text.size()))
            return at;
    }
    return 0;
}

} // namespace

void TextControl::SetWholeText(const TextWriter& write, qsizetype expectedLength)
{
    // A change of the view's width lays every block out anew, one layout
    // each, even the lines never shown; the scroll bar that a text of many
    // pieces needs is therefore there before the text, not once it is in.
    const Qt::ScrollBarPolicy scrollBarPolicy = edit_->verticalScrollBarPolicy();
    if (expectedLength > pieceLength)
        edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextDocument* document = edit_->document();
    QTextCursor end;
    const auto insert = [&](const QString& lines) {
        if (end.isNull()) {
            // The first piece goes in as every text does, which resets the
            // control (caret, scroll position, formats, undo history); the
            // others are added behind it, outside the undo history, as one
            // text would have been.
            edit_->setPlainText(lines);
            document->setUndoRedoEnabled(false);
            end = QTextCursor(document);
            end.movePosition(QTextCursor::End);
        } else {
            end.insertText(lines);
        }
    };
    // Whole lines go in, a CR LF never cut in two; the rest of a line waits.
    QString pending;
    write([&](QStringView piece) {
        pending += piece;
        if (pending.size() < pieceLength)
            return;
        const qsizetype lines = LinesEnd(pending);
        if (lines == 0)
            return;
        insert(pending.first(lines));
        pending.remove(0, lines);
    });
    insert(pending);
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    edit_->setVerticalScrollBarPolicy(scrollBarPolicy);
}
