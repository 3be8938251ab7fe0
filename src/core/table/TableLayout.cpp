#include "core/table/TableLayout.h"

#include "core/LineBreaks.h"
#include "core/table/DisplayWidth.h"
#include "core/table/TableRow.h"

#include <algorithm>
#include <cstddef>

namespace {

bool NeedsEscapes(std::u16string_view cell)
{
    return std::any_of(cell.begin(), cell.end(), [](char16_t c) { return c == u'|' || IsLineBreak(c); });
}

void AppendWrittenCellText(std::u16string& out, std::u16string_view cell)
{
    if (!NeedsEscapes(cell)) {
        out += cell;
        return;
    }
    std::size_t backslashes = 0;
    for (std::size_t at = 0; at < cell.size(); ++at) {
        const char16_t c = cell[at];
        if (IsLineBreak(c)) {
            at += LineBreakLength(cell, at) - 1;
            out += u"\\n";
            backslashes = 0;
            continue;
        }
        if (c == u'|' && backslashes % 2 == 0)
            out += u'\\';
        out += c;
        backslashes = c == u'\\' ? backslashes + 1 : 0;
    }
}

int WrittenWidth(std::u16string_view cell)
{
    return NeedsEscapes(cell) ? DisplayWidth(WrittenCellText(cell)) : DisplayWidth(cell);
}

// Room for a row of the given widths, wide characters counted as one unit.
std::size_t RowLength(const std::vector<int>& columns)
{
    std::size_t length = 1;
    for (int width : columns)
        length += static_cast<std::size_t>(width + 4);
    return length;
}

// The aligned lines of `rowCount` rows, row r's cells put into the views of
// `cells` by `cellsOf(r, cells)`. Two passes over the cells as views, one to
// measure the columns and one to write, so that no cell is ever copied; the
// widths are measured once, since display widths of wide text take a
// property look-up per character.
template <typename CellsOf> LineList LayOut(std::size_t rowCount, CellsOf cellsOf)
{
    std::vector<std::u16string_view> cells;
    std::vector<int> columns;
    std::vector<int> widths; // of every cell, row after row
    for (std::size_t r = 0; r < rowCount; ++r) {
        cellsOf(r, cells);
        if (columns.size() < cells.size())
            columns.resize(cells.size(), 0);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths.push_back(WrittenWidth(cells[c]));
            columns[c] = std::max(columns[c], widths.back());
        }
    }
    const std::size_t length = RowLength(columns);
    LineList lines;
    lines.reserve(rowCount);
    const int* width = widths.data();
    for (std::size_t r = 0; r < rowCount; ++r) {
        cellsOf(r, cells);
        std::u16string& line = lines.emplace_back();
        line.reserve(length);
        // Short rows are filled with empty cells, as the grid reads them back.
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const bool filled = c >= cells.size();
            line += u"| ";
            if (!filled)
                AppendWrittenCellText(line, cells[c]);
            line.append(static_cast<std::size_t>(columns[c] - (filled ? 0 : *width++) + 2), u' ');
        }
        line += u'|';
    }
    return lines;
}

} // namespace

std::u16string WrittenCellText(std::u16string_view cell)
{
    std::u16string written;
    written.reserve(cell.size());
    AppendWrittenCellText(written, cell);
    return written;
}

LineList AlignCellMatrix(const CellMatrix& matrix)
{
    return LayOut(matrix.size(), [&matrix](std::size_t r, std::vector<std::u16string_view>& cells) {
        cells.assign(matrix[r].begin(), matrix[r].end());
    });
}

LineList AlignTableLines(const LineList& rows)
{
    return LayOut(rows.size(), [&rows](std::size_t r, std::vector<std::u16string_view>& cells) {
        SplitTableRowInto(rows[r], cells);
    });
}
