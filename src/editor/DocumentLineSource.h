#pragma once

#include "core/editor/LineSource.h"

#include <QString>
#include <QStringView>
#include <QTextBlock>

#include <vector>

class QTextDocument;

// The analysis reads the editor's text through this: block i is line i, its
// text closed by a carriage return on every block but the last, its start the
// block's position (a line break counts one).
class DocumentLineSource final : public LineSource {
public:
    explicit DocumentLineSource(const QTextDocument* document)
        : m_document(document)
    {
    }

    // Forgets the block remembered below and any copy of the text; the view
    // calls it on every change of the text, before anything reads a line.
    void Invalidate() const
    {
        m_lastLine = -1;
        ReleaseCopy();
    }

    // Before reading every line in turn: lines are then cut from one copy of
    // the text, taken here, which costs far less than reading block by block.
    // With a line limit only the lines before it are copied (the analysis
    // reads no further, and a large file is not copied for it); later lines
    // are read from their blocks. The copy lasts until ReleaseCopy or the
    // next change of the text.
    static constexpr int allLines = -1;
    void TakeCopy(int lineLimit = allLines) const;
    void ReleaseCopy() const;

    // Holds a copy for the time of a scope.
    class CopyScope {
    public:
        explicit CopyScope(const DocumentLineSource& source, int lineLimit = allLines)
            : m_source(source)
        {
            m_source.TakeCopy(lineLimit);
        }
        ~CopyScope() { m_source.ReleaseCopy(); }
        CopyScope(const CopyScope&) = delete;
        CopyScope& operator=(const CopyScope&) = delete;

    private:
        const DocumentLineSource& m_source;
    };

    int lineCount() const override;
    std::u16string lineText(int line) const override;
    int lineStart(int line) const override;

private:
    // The analysis reads lines in order; remembering the last block found
    // turns each lookup into a step to the next block. Valid until the text
    // changes: Invalidate() is called then, and the document's revision is
    // checked as well.
    QTextBlock BlockOf(int line) const;

    // The copy's line, or false when there is no valid copy.
    bool CopiedLine(int line, QStringView& text, int& start) const;

    const QTextDocument* m_document;
    // The copy: the raw text (blocks joined by U+2029), the starts of the
    // lines found in it so far, and the revision it was taken at.
    mutable QString m_copy;
    mutable std::vector<int> m_copyStarts;
    mutable bool m_copyComplete = false;
    // Lines from this one on are not in the copy.
    mutable int m_copyEndLine = 0;
    mutable int m_copyRevision = -1;
    mutable QTextBlock m_lastBlock;
    mutable int m_lastLine = -1;
    mutable int m_lastRevision = -1;
};
