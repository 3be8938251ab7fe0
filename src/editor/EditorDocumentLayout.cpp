#include "EditorDocumentLayout.h"

#include <QTextDocument>

EditorDocumentLayout::EditorDocumentLayout(QTextDocument* document)
    : QPlainTextDocumentLayout(document)
{
    // The document reports an edit to its listeners and then, at once, to
    // its layout; the colours are set in between.
    connect(
        document, &QTextDocument::contentsChange, this, [this](int from, int charsRemoved, int charsAdded) {
            edit_ = Edit { from, charsRemoved, charsAdded };
        });
}

void EditorDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    if (edit_) {
        const Edit edit = *edit_;
        edit_.reset();
        QPlainTextDocumentLayout::documentChanged(edit.from, edit.charsRemoved, edit.charsAdded);
        return;
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
