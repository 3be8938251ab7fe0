#pragma once

#include <QPlainTextDocumentLayout>

#include <optional>

class QTextDocument;

// The plain-text layout of the editor's document, told of each edit as the
// edit reached, not as far as the colours set meanwhile reached.
//
// Setting a block's colours counts, to the document, as a change of all of
// the block's characters, which it adds to the edit under way, and counts
// twice: told of that, the plain-text layout would take a keystroke to
// reach into the blocks below it and repaint the whole viewport. This layout
// lays out and repaints what the edit itself changed, as the document told
// its listeners before any colours were set; the blocks that only took new
// colours are the view's to repaint. Changes outside an edit (colours set
// by a command) reach it as the document reports them.
class EditorDocumentLayout final : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit EditorDocumentLayout(QTextDocument* document);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    struct Edit {
        int from;
        int charsRemoved;
        int charsAdded;
    };
    std::optional<Edit> edit_;
};
