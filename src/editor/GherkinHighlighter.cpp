#include "GherkinHighlighter.h"

#include "LineFormats.h"
#include "core/editor/LineAnalysis.h"

#include <algorithm>

GherkinHighlighter::GherkinHighlighter(
    QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats)
    : QSyntaxHighlighter(document)
    , analysis_(analysis)
    , formats_(formats)
{
}

int GherkinHighlighter::PaintKey(const LineAnalysis& analysis, int line)
{
    // A block's colours depend on its text (the highlighter sees that change
    // itself) and on these three entries; they are packed into the block's user
    // state, which is a non-negative number once painted and -1 before.
    if (line < 0 || line >= analysis.analysedLineCount)
        return 0;
    const int type = static_cast<int>(analysis.lineType[line]);
    const int position = std::min(analysis.keywordPosition[line], (1 << 18) - 1);
    const int length = std::min(static_cast<int>(analysis.lineKeyword[line].size()), (1 << 8) - 1);
    return 1 + type + (length << 4) + (position << 12);
}

void GherkinHighlighter::highlightBlock(const QString& text)
{
    const int line = currentBlock().blockNumber();
    setCurrentBlockState(PaintKey(analysis_, line));

    const int length = static_cast<int>(text.size());
    setFormat(0, length, formats_.defaultFormat);
    if (line >= analysis_.analysedLineCount)
        return;

    const LinePaint paint = PaintFor(formats_, analysis_.lineType[line]);
    if (paint.keywordFormat == nullptr)
        return;
    // The blanks before the keyword keep the default format; the tables may
    // lag behind the text by a moment, so every span is clipped to the block.
    const int start = std::clamp(analysis_.keywordPosition[line], 0, length);
    const int end = paint.keywordOnly
        ? std::min(start + static_cast<int>(analysis_.lineKeyword[line].size()), length)
        : length;
    setFormat(start, end - start, *paint.keywordFormat);
}
