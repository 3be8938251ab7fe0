#include "core/table/BlockFinder.h"

#include "core/table/WhiteSpace.h"

#include <cstddef>
#include <optional>
#include <string>

namespace {

bool IsDocStringType(LineType type)
{
    return type == DOC_STRING_DELIMITER_LINE || type == DOC_STRING_LINE;
}

int EndOfLine(const LineAnalysis& analysis, int i)
{
    return analysis.lineStart[i] + static_cast<int>(analysis.lineText[i].size());
}

bool HasLineBreak(const LineAnalysis& analysis, int i)
{
    const std::u16string& text = analysis.lineText[i];
    return !text.empty() && text.back() == u'\r';
}

// What lies after `lastLine`, the block's last line or the line a new block follows.
void NoteSurroundings(const LineAnalysis& analysis, int lastLine, BlockLocation& block)
{
    block.endsText = !HasLineBreak(analysis, lastLine);
    // The line after the last analysed one is known too.
    const int next = lastLine + 1;
    const std::u16string* nextText = next < analysis.analysedLineCount ? &analysis.lineText[next]
        : next < analysis.textLineCount                                ? &analysis.textAfterLimit
                                                                       : nullptr;
    block.emptyLineAfter = !block.endsText && nextText != nullptr && TrimWhiteSpace(*nextText).empty();
}

BlockLocation ExistingBlock(const LineAnalysis& analysis, int first, int last, int indent)
{
    BlockLocation block;
    block.lines.assign(analysis.lineText.begin() + first, analysis.lineText.begin() + last + 1);
    block.start = analysis.lineStart[first];
    block.end = EndOfLine(analysis, last);
    block.indent = indent;
    NoteSurroundings(analysis, last, block);
    return block;
}

BlockLocation NewBlockAfter(const LineAnalysis& analysis, int line, LineList lines, int indent)
{
    BlockLocation block;
    block.lines = std::move(lines);
    block.start = block.end = EndOfLine(analysis, line);
    block.indent = indent;
    NoteSurroundings(analysis, line, block);
    return block;
}

// The last line of the run of lines from `first` on that pass `belongs`.
template <typename Predicate> int EndOfRun(const LineAnalysis& analysis, int first, Predicate belongs)
{
    int last = first;
    while (last + 1 < analysis.analysedLineCount && belongs(analysis.lineType[last + 1]))
        ++last;
    return last;
}

struct DocStringSpan {
    int open;
    int close;
};

// The closed doc string that line i opens, closes or lies inside, pairing
// delimiters from the top as the context pass does.
std::optional<DocStringSpan> ClosedDocStringAt(const LineAnalysis& analysis, int i)
{
    int open = -1;
    for (int j = 0; j < i; ++j)
        if (analysis.lineType[j] == DOC_STRING_DELIMITER_LINE)
            open = open < 0 ? j : -1;
    if (analysis.lineType[i] == DOC_STRING_DELIMITER_LINE) {
        if (open >= 0)
            return DocStringSpan { open, i };
        open = i;
    }
    if (open < 0)
        return std::nullopt;
    for (int k = i + 1; k < analysis.analysedLineCount; ++k)
        if (analysis.lineType[k] == DOC_STRING_DELIMITER_LINE)
            return DocStringSpan { open, k };
    return std::nullopt;
}

BlockLocation NoBlockBecause(NoBlock reason)
{
    BlockLocation block;
    block.noBlock = reason;
    return block;
}

bool TextRunsPastLimit(const LineAnalysis& analysis)
{
    return analysis.textLineCount > analysis.analysedLineCount;
}

// Whether `block` ends at the last analysed line (or, new, follows it) while
// the line past it, which is not analysed, is of type `next`.
bool ReachesInto(const LineAnalysis& analysis, const BlockLocation& block, LineType next)
{
    const int last = analysis.analysedLineCount - 1;
    return TextRunsPastLimit(analysis) && analysis.typeAfterLimit == next && last >= 0
        && block.end == EndOfLine(analysis, last);
}

BlockLocation TableAtLine(const LineAnalysis& analysis, int i)
{
    if (i < 0 || i >= analysis.analysedLineCount)
        return {};
    const auto isRow = [](LineType type) { return type == TABLE_LINE; };
    const LineType type = analysis.lineType[i];
    if (type == TABLE_LINE) {
        int first = i;
        while (first > 0 && analysis.lineType[first - 1] == TABLE_LINE)
            --first;
        return ExistingBlock(analysis, first, EndOfRun(analysis, i, isRow), analysis.keywordPosition[first]);
    }
    if (type == STEP_LINE || type == EXAMPLES_LINE) {
        const int indent = analysis.keywordPosition[i];
        if (i + 1 < analysis.analysedLineCount && analysis.lineType[i + 1] == TABLE_LINE)
            return ExistingBlock(analysis, i + 1, EndOfRun(analysis, i + 1, isRow), indent);
        return NewBlockAfter(analysis, i, MakeDefaultTable(indent), indent);
    }
    return {};
}

} // namespace

BlockLocation FindTableAtLine(const LineAnalysis& analysis, int i)
{
    // Rows past the limit would be lost from the grid, or a new table put in
    // front of them.
    const BlockLocation block = TableAtLine(analysis, i);
    if (!block.lines.empty() && ReachesInto(analysis, block, TABLE_LINE))
        return NoBlockBecause(NoBlock::PastLimit);
    return block;
}

BlockLocation FindDocStringAtLine(const LineAnalysis& analysis, int i)
{
    const int n = analysis.analysedLineCount;
    if (i < 0 || i >= n)
        return {};
    // A line of the doc string: line i, or the opening delimiter below a step.
    int inside = i;
    const LineType type = analysis.lineType[i];
    if (type == STEP_LINE) {
        inside = i + 1;
        const LineType below = inside < n ? analysis.lineType[inside] : analysis.typeAfterLimit;
        if (below != DOC_STRING_DELIMITER_LINE) {
            const int indent = analysis.keywordPosition[i];
            return NewBlockAfter(analysis, i, MakeDefaultDocString(indent), indent);
        }
    } else if (!IsDocStringType(type)) {
        return {};
    }
    if (inside < n) {
        if (const auto span = ClosedDocStringAt(analysis, inside))
            return ExistingBlock(analysis, span->open, span->close, analysis.keywordPosition[span->open]);
    }
    // Cucumber reads no doc string that is never closed; one closed past the
    // limit cannot be read whole.
    return NoBlockBecause(TextRunsPastLimit(analysis) ? NoBlock::PastLimit : NoBlock::NotClosed);
}

LineList MakeDefaultTable(int indent)
{
    const std::u16string row = std::u16string(static_cast<std::size_t>(indent), u' ') + u"| | |";
    return { row, row };
}

LineList MakeDefaultDocString(int indent)
{
    const std::u16string delimiter = std::u16string(static_cast<std::size_t>(indent), u' ') + u"\"\"\"";
    return { delimiter, delimiter };
}
