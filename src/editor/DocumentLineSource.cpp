#include "DocumentLineSource.h"

#include "core/LineBreaks.h"

#include <QTextCursor>
#include <QTextDocument>

QTextBlock DocumentLineSource::BlockOf(int line) const
{
    const int revision = m_document->revision();
    if (revision == m_lastRevision && m_lastLine >= 0) {
        if (line == m_lastLine)
            return m_lastBlock;
        if (line == m_lastLine + 1) {
            m_lastBlock = m_lastBlock.next();
            m_lastLine = m_lastBlock.isValid() ? line : -1;
            return m_lastBlock;
        }
    }
    m_lastBlock = m_document->findBlockByNumber(line);
    m_lastLine = m_lastBlock.isValid() ? line : -1;
    m_lastRevision = revision;
    return m_lastBlock;
}

void DocumentLineSource::TakeCopy(int lineLimit) const
{
    m_copyEndLine = m_document->blockCount();
    if (lineLimit != allLines && lineLimit < m_copyEndLine) {
        // The lines before the limit, each with its separator.
        QTextCursor prefix(const_cast<QTextDocument*>(m_document));
        prefix.setPosition(m_document->findBlockByNumber(lineLimit).position(), QTextCursor::KeepAnchor);
        m_copy = prefix.selectedText();
        m_copyEndLine = lineLimit;
    } else {
        m_copy = m_document->toRawText();
    }
    m_copyStarts.assign(1, 0);
    m_copyComplete = false;
    m_copyRevision = m_document->revision();
}

void DocumentLineSource::ReleaseCopy() const
{
    m_copy = QString();
    m_copyStarts.clear();
    m_copyComplete = false;
    m_copyRevision = -1;
    m_copyEndLine = 0;
}

bool DocumentLineSource::CopiedLine(int line, QStringView& text, int& start) const
{
    if (m_copyStarts.empty() || m_copyRevision != m_document->revision() || line >= m_copyEndLine)
        return false;
    // The starts are found as far as the lines asked for, so a copy taken
    // for the first lines of a long text is not searched to its end.
    while (!m_copyComplete && static_cast<int>(m_copyStarts.size()) <= line + 1) {
        const qsizetype separator = m_copy.indexOf(QChar(PARAGRAPH_MARK), m_copyStarts.back());
        if (separator < 0) {
            m_copyStarts.push_back(static_cast<int>(m_copy.size()) + 1);
            m_copyComplete = true;
        } else {
            m_copyStarts.push_back(static_cast<int>(separator) + 1);
        }
    }
    if (line < 0 || line + 1 >= static_cast<int>(m_copyStarts.size())) {
        text = {};
        start = -1;
        return true;
    }
    start = m_copyStarts[line];
    text = QStringView(m_copy).sliced(start, m_copyStarts[line + 1] - 1 - start);
    return true;
}

int DocumentLineSource::lineCount() const
{
    return m_document->blockCount();
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
        last = start + copied.size() == m_copy.size();
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
    return block.isValid() ? block.position() : m_document->characterCount() - 1;
}
