#include "table/WideCharacterHighlighter.h"

WideCharacterHighlighter::WideCharacterHighlighter(QTextDocument* document, const QFont& font)
    : QSyntaxHighlighter(document)
    , m_wide(font)
{
    rehighlight();
}

void WideCharacterHighlighter::highlightBlock(const QString& text)
{
    for (const QTextLayout::FormatRange& range : m_wide.Ranges(text))
        setFormat(range.start, range.length, range.format);
}
