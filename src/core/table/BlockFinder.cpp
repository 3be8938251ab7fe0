#include "core/table/BlockFinder.h"

#include "core/DocStringDelimiters.h"
#include "core/editor/ExamplesDescription.h"
#include "core/table/TableContext.h"
#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

bool IsDocStringType(LineType type)
{
    return type == DOC_STRING_DELIMITER_LINE || type == DOC_STRING_LINE;
}

int EndOfLine(const LineAnalysis& analysis, int i)
{
    return analysis.lineStart[i] + static_cast<int>(analysis.LineText(i).size());
}

bool HasLineBreak(const LineAnalysis& analysis, int i)
{
    const std::u16string_view text = analysis.LineText(i);
    return !text.empty() && text.back() == u'\r';
}

// What lies after `lastLine`, the block's last line or the line a new block follows.
void NoteSurroundings(const LineAnalysis& analysis, int lastLine, BlockLocation& block)
{
    block.endsText = !HasLineBreak(analysis, lastLine);
    // The line after the last analysed one is known too.
    const int next = lastLine + 1;
    bool emptyLineAfter = false;
    if (next < analysis.analysedLineCount)
        emptyLineAfter = TrimWhiteSpace(analysis.LineText(next)).empty();
    else if (next < analysis.textLineCount)
        emptyLineAfter = TrimWhiteSpace(analysis.textAfterLimit).empty();
    block.emptyLineAfter = !block.endsText && emptyLineAfter;
}

// The white space in front of line i's keyword, delimiter or "|", as written.
// A byte-order mark is no part of it.
std::u16string IndentationOf(const LineAnalysis& analysis, int i)
{
    const std::u16string_view text = analysis.LineText(i);
    const std::size_t from = ByteOrderMarkLength(i, text);
    const std::size_t to = std::max(from, static_cast<std::size_t>(analysis.keywordPosition[i]));
    return std::u16string(text.substr(from, to - from));
}

void SetIndentation(BlockLocation& block, std::u16string indentation)
{
    block.indent = static_cast<int>(indentation.size());
    block.indentation = std::move(indentation);
}

BlockLocation ExistingBlock(const LineAnalysis& analysis, int first, int last, std::u16string indentation)
{
    BlockLocation block;
    for (int i = first; i <= last; ++i)
        block.lines.emplace_back(analysis.LineText(i));
    block.start = analysis.lineStart[first];
    block.end = EndOfLine(analysis, last);
    SetIndentation(block, std::move(indentation));
    NoteSurroundings(analysis, last, block);
    return block;
}

BlockLocation NewBlockAfter(
    const LineAnalysis& analysis, int line, LineList lines, std::u16string indentation)
{
    BlockLocation block;
    block.lines = std::move(lines);
    block.start = block.end = EndOfLine(analysis, line);
    SetIndentation(block, std::move(indentation));
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

bool IsRow(LineType type)
{
    return type == TABLE_LINE;
}

// Whether a line the analysis typed may stand between an Examples line and
// its table. Under an Examples line that Cucumber reads as one, the analysis
// has made every step, heading and delimiter description text already; one it
// kept stands under an Examples line that is itself description (of a feature
// or background), and is the step or doc string it looks like, not text to
// pass over to a table.
bool MayStandBeforeAnalysedExamplesTable(LineType type)
{
    return MayStandBeforeExamplesTable(type) && type != STEP_LINE && type != DOC_STRING_DELIMITER_LINE
        && type != DOC_STRING_LINE && type != FEATURE_LINE && type != BACKGROUND_LINE;
}

// The table Cucumber gives the step or Examples line `anchor`: its first row
// below the lines it passes over (after a step, its doc string too), or else
// the line after which a new table goes (under an Examples line, below its
// description).
struct TableBelow {
    int firstRow = -1;
    int lineBefore = -1;
};

TableBelow FindTableBelow(const LineAnalysis& analysis, int anchor)
{
    TableBelow below { -1, anchor };
    const bool examples = analysis.lineType[anchor] == EXAMPLES_LINE;
    bool passedDocString = false;
    for (int j = anchor + 1; j < analysis.analysedLineCount; ++j) {
        const LineType type = analysis.lineType[j];
        if (type == TABLE_LINE) {
            below.firstRow = j;
            break;
        }
        if (!examples && type == DOC_STRING_DELIMITER_LINE && !passedDocString) {
            const auto span = ClosedDocStringAt(analysis, j);
            if (!span)
                break;
            passedDocString = true;
            j = span->close;
            continue;
        }
        if (examples ? !MayStandBeforeAnalysedExamplesTable(type) : !IsCommentOrEmpty(analysis.LineText(j)))
            break;
        // A new table goes before the comments and empty lines that follow
        // the step, and after the Examples' description, where no row would
        // end it.
        if (examples && !TrimWhiteSpace(analysis.LineText(j)).empty())
            below.lineBefore = j;
    }
    return below;
}

// Whether a table may go on past the analysed lines from `block`: it ends at
// the last analysed line, or a new one goes where only lines Cucumber passes
// over stand between it and that line; and the first line past them is a row,
// or such a line with more text after it.
bool MayRunPastLimit(const LineAnalysis& analysis, const BlockLocation& block)
{
    if (!TextRunsPastLimit(analysis))
        return false;
    const int last = analysis.analysedLineCount - 1;
    if (block.end != EndOfLine(analysis, last)) {
        if (block.start != block.end)
            return false;
        for (int j = last; j >= 0 && analysis.lineStart[j] >= block.end; --j)
            if (!IsCommentOrEmpty(analysis.LineText(j)))
                return false;
    }
    return analysis.typeAfterLimit == TABLE_LINE
        || (IsCommentOrEmpty(analysis.textAfterLimit)
            && analysis.textLineCount > analysis.analysedLineCount + 1);
}

// Whether more rows stand past the comment or empty lines next to the run of
// rows first .. last. Cucumber reads them all as one table, of which the grid
// would show only the run: its edits would leave the rows uneven.
bool RowsStandApart(const LineAnalysis& analysis, int first, int last)
{
    const auto rowPast = [&analysis](int from, int step) {
        for (int j = from; j >= 0 && j < analysis.analysedLineCount; j += step) {
            if (analysis.lineType[j] == TABLE_LINE)
                return true;
            if (!IsCommentOrEmpty(analysis.LineText(j)))
                return false;
        }
        return false;
    };
    return rowPast(first - 1, -1) || rowPast(last + 1, 1);
}

BlockLocation ExistingTable(const LineAnalysis& analysis, int first, std::u16string indentation)
{
    const int last = EndOfRun(analysis, first, IsRow);
    if (RowsStandApart(analysis, first, last))
        return NoBlockBecause(NoBlock::RowsApart);
    return ExistingBlock(analysis, first, last, std::move(indentation));
}

BlockLocation TableAtLine(const LineAnalysis& analysis, int i)
{
    if (i < 0 || i >= analysis.analysedLineCount)
        return {};
    const LineType type = analysis.lineType[i];
    if (type == TABLE_LINE) {
        int first = i;
        while (first > 0 && analysis.lineType[first - 1] == TABLE_LINE)
            --first;
        return ExistingTable(analysis, first, IndentationOf(analysis, first));
    }
    if (type == STEP_LINE || type == EXAMPLES_LINE) {
        const TableBelow below = FindTableBelow(analysis, i);
        if (below.firstRow >= 0)
            return ExistingTable(analysis, below.firstRow, IndentationOf(analysis, i));
        return NewBlockAfter(analysis, below.lineBefore, MakeDefaultTable(analysis.keywordPosition[i]),
            IndentationOf(analysis, i));
    }
    return {};
}

} // namespace

BlockLocation FindTableAtLine(const LineAnalysis& analysis, int i)
{
    // Rows past the limit would be lost from the grid, or a new table put in
    // front of them.
    const BlockLocation block = TableAtLine(analysis, i);
    if (!block.lines.empty() && MayRunPastLimit(analysis, block))
        return NoBlockBecause(NoBlock::PastLimit);
    return block;
}

int ExamplesLineOfTable(const LineAnalysis& analysis, int i)
{
    if (i < 0 || i >= analysis.analysedLineCount)
        return -1;
    if (analysis.lineType[i] == EXAMPLES_LINE)
        return i;
    if (analysis.lineType[i] != TABLE_LINE)
        return -1;
    int j = i - 1;
    while (j >= 0 && analysis.lineType[j] == TABLE_LINE)
        --j;
    while (j >= 0 && MayStandBeforeAnalysedExamplesTable(analysis.lineType[j]))
        --j;
    return j >= 0 && analysis.lineType[j] == EXAMPLES_LINE ? j : -1;
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
        if (below != DOC_STRING_DELIMITER_LINE)
            return NewBlockAfter(
                analysis, i, MakeDefaultDocString(analysis.keywordPosition[i]), IndentationOf(analysis, i));
    } else if (!IsDocStringType(type)) {
        return {};
    }
    if (inside < n) {
        if (const auto span = ClosedDocStringAt(analysis, inside))
            return ExistingBlock(analysis, span->open, span->close, IndentationOf(analysis, span->open));
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
    std::u16string delimiter(static_cast<std::size_t>(indent), u' ');
    delimiter += DOC_STRING_DELIMITER;
    return { delimiter, delimiter };
}
