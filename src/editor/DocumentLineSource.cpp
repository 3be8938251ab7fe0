#include "DocumentLineSource.h"

#include <QTextBlock>
#include <QTextDocument>

int DocumentLineSource::lineCount() const
{
    return document_->blockCount();
}

std::u16string DocumentLineSource::lineText(int line) const
{
    const QTextBlock block = document_->findBlockByNumber(line);
    if (!block.isValid())
        return {};
    std::u16string text = block.text().toStdU16String();
    if (block.next().isValid())
        text += u'\r';
    return text;
}

int DocumentLineSource::lineStart(int line) const
{
    const QTextBlock block = document_->findBlockByNumber(line);
    return block.isValid() ? block.position() : document_->characterCount() - 1;
}
