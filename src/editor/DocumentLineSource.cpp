#include "DocumentLineSource.h"

#include "core/LineBreaks.h"

#include <QTextCursor>
#include <QTextDocument>

QTextBlock DocumentLineSource::BlockOf(int line) const
{
    const int revision = document_->revision();
    if (revision == lastRevision_ && lastLine_ >= 0) {
        if (line == lastLine_)
            return lastBlock_;
        if (line == lastLine_ + 1) {
            lastBlock_ = lastBlock_.next();
            lastLine_ = lastBlock_.isValid() ? line : -1;
            return lastBlock_;
        }
    }
    lastBlock_ = document_->findBlockByNumber(line);
    lastLine_ = lastBlock_.isValid() ? line : -1;
    lastRevision_ = revision;
    return lastBlock_;
}

void DocumentLineSource::TakeCopy(int lineLimit) const
{
    copyEndLine_ = document_->blockCount();
    if (lineLimit != allLines && lineLimit < copyEndLine_) {
        // The lines before the limit, each with its separator.
        QTextCursor prefix(const_cast<QTextDocument*>(document_));
        prefix.setPosition(document_->findBlockByNumber(lineLimit).position(), QTextCursor::KeepAnchor);
        copy_ = prefix.selectedText();
        copyEndLine_ = lineLimit;
    } else {
        copy_ = document_->toRawText();
    }
    copyStarts_.assign(1, 0);
    copyComplete_ = false;
    copyRevision_ = document_->revision();
}

void DocumentLineSource::ReleaseCopy() const
{
    copy_ = QString();
    copyStarts_.clear();
    copyComplete_ = false;
    copyRevision_ = -1;
    copyEndLine_ = 0;
}

bool DocumentLineSource::CopiedLine(int line, QStringView& text, int& start) const
{
    if (copyStarts_.empty() || copyRevision_ != document_->revision() || line >= copyEndLine_)
        return false;
    // The starts are found as far as the lines asked for, so a copy taken
    // for the first lines of a long text is not searched to its end.
    while (!copyComplete_ && static_cast<int>(copyStarts_.size()) <= line + 1) {
        const qsizetype separator = copy_.indexOf(QChar(PARAGRAPH_MARK), copyStarts_.back());
        if (separator < 0) {
            copyStarts_.push_back(static_cast<int>(copy_.size()) + 1);
            copyComplete_ = true;
        } else {
            copyStarts_.push_back(static_cast<int>(separator) + 1);
        }
    }
    if (line < 0 || line + 1 >= static_cast<int>(copyStarts_.size())) {
        text = {};
        start = -1;
        return true;
    }
    start = copyStarts_[line];
    text = QStringView(copy_).sliced(start, copyStarts_[line + 1] - 1 - start);
    return true;
}

int DocumentLineSource::lineCount() const
{
    return document_->blockCount();
}

std::u16string DocumentLineSource::lineText(int line) const
{
    QStringView copied;
    int start = 0;
    bool last = false;
    QString blockText;
    if (CopiedLine(line, copied, start)) {
        if (start < 0)
            return {};
        last = start + copied.size() == copy_.size();
    } else {
        const QTextBlock block = BlockOf(line);
        if (!block.isValid())
            return {};
        blockText = block.text();
        copied = blockText;
        last = !block.next().isValid();
    }
    // Built at its final size: the closing CR would otherwise grow it.
    std::u16string text;
    text.reserve(static_cast<std::size_t>(copied.size()) + (last ? 0 : 1));
    text.append(reinterpret_cast<const char16_t*>(copied.utf16()), static_cast<std::size_t>(copied.size()));
    if (!last)
        text += CONTROL_LINE_END;
    return text;
}

int DocumentLineSource::lineStart(int line) const
{
    QStringView copied;
    int start = 0;
    if (CopiedLine(line, copied, start) && start >= 0)
        return start;
    const QTextBlock block = BlockOf(line);
    return block.isValid() ? block.position() : document_->characterCount() - 1;
}
