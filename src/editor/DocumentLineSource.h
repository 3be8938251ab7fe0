#pragma once

#include "core/editor/LineSource.h"

#include <QTextBlock>

class QTextDocument;

// The analysis reads the editor's text through this: block i is line i, its
// text closed by a carriage return on every block but the last, its start the
// block's position (a line break counts one).
class DocumentLineSource final : public LineSource {
public:
    explicit DocumentLineSource(const QTextDocument* document) : document_(document) { }

    // Forgets the block remembered below; the view calls it on every change
    // of the text, before anything reads a line.
    void Invalidate() const { lastLine_ = -1; }

    int lineCount() const override;
    std::u16string lineText(int line) const override;
    int lineStart(int line) const override;

private:
    // The analysis reads lines in order; remembering the last block found
    // turns each lookup into a step to the next block. Valid until the text
    // changes: Invalidate() is called then, and the document's revision is
    // checked as well.
    QTextBlock BlockOf(int line) const;

    const QTextDocument* document_;
    mutable QTextBlock lastBlock_;
    mutable int lastLine_ = -1;
    mutable int lastRevision_ = -1;
};
