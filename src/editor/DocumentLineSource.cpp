#include "DocumentLineSource.h"

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

int DocumentLineSource::lineCount() const
{
    return document_->blockCount();
}

std::u16string DocumentLineSource::lineText(int line) const
{
    const QTextBlock block = BlockOf(line);
    if (!block.isValid())
        return {};
    std::u16string text = block.text().toStdU16String();
    if (block.next().isValid())
        text += u'\r';
    return text;
}

int DocumentLineSource::lineStart(int line) const
{
    const QTextBlock block = BlockOf(line);
    return block.isValid() ? block.position() : document_->characterCount() - 1;
}
