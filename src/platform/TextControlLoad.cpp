#include "TextControl.h"

#include "core/LineBreaks.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

// About a megabyte of text: few enough pieces for a large file that each
// costs nothing extra, enough that its progress can be shown.
constexpr qsizetype pieceLength = 512 * 1024;

// Where the piece that starts at `start` ends: just after a line break (a CR
// LF is never cut in two), or at the end of the text.
qsizetype PieceEnd(QStringView text, qsizetype start)
{
    const std::u16string_view units(text.utf16(), static_cast<std::size_t>(text.size()));
    const std::size_t at = FindLineBreak(units, std::min<std::size_t>(start + pieceLength, units.size()));
    return static_cast<qsizetype>(at + LineBreakLength(units, at));
}

QString Piece(QStringView text, qsizetype start, qsizetype end)
{
    // The piece is read in place: the document copies what it keeps.
    return QString::fromRawData(text.data() + start, end - start);
}

} // namespace

void TextControl::SetWholeText(QStringView text, const LoadProgress& progress)
{
    qsizetype done = PieceEnd(text, 0);
    // A change of the view's width lays every block out anew, one layout
    // each, even the lines never shown; the scroll bar that a text of many
    // pieces needs is therefore there before the text, not once it is in.
    const Qt::ScrollBarPolicy scrollBarPolicy = edit_->verticalScrollBarPolicy();
    const bool manyPieces = done < text.size();
    if (manyPieces)
        edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The first piece goes in as every text does, which resets the control
    // (caret, scroll position, formats, undo history); the others are added
    // behind it, outside the undo history, as one text would have been.
    edit_->setPlainText(Piece(text, 0, done));
    if (progress)
        progress(done, text.size());
    if (!manyPieces)
        return;
    QTextDocument* document = edit_->document();
    document->setUndoRedoEnabled(false);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    while (done < text.size()) {
        const qsizetype pieceEnd = PieceEnd(text, done);
        end.insertText(Piece(text, done, pieceEnd));
        done = pieceEnd;
        if (progress)
            progress(done, text.size());
    }
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    edit_->setVerticalScrollBarPolicy(scrollBarPolicy);
}
