#include "core/table/BlockText.h"

#include <cstddef>

std::u16string BuildBlockText(const LineList& lines, const BlockLocation& block)
{
    const bool newBlock = block.start == block.end;
    std::u16string text;
    if (newBlock && block.endsText && !lines.empty())
        text += u"\r\n";
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0)
            text += u"\r\n";
        text += block.indentation;
        text += lines[k];
    }
    if (block.endsText)
        return text;
    if (!lines.empty())
        text += u"\r\n";
    if (!block.emptyLineAfter)
        text += u"\r\n";
    return text;
}
