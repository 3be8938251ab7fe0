#pragma once

#include "core/editor/LineSource.h"

class QTextDocument;

// The analysis reads the editor's text through this: block i is line i, its
// text closed by a carriage return on every block but the last, its start the
// block's position (a line break counts one).
class DocumentLineSource final : public LineSource {
public:
    explicit DocumentLineSource(const QTextDocument* document) : document_(document) { }

    int lineCount() const override;
    std::u16string lineText(int line) const override;
    int lineStart(int line) const override;

private:
    const QTextDocument* document_;
};
