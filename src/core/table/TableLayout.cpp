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

// The written width of every cell, row after row, and the widest of each
// column over the rows that reach it: measured once, since display widths
// of wide text take a property look-up per character.
struct Widths {
    std::vector<int> cells;
    std::vector<int> columns;
};

Widths Measure(const CellMatrix& matrix)
{
    Widths widths;
    for (const CellRow& row : matrix) {
        if (widths.columns.size() < row.size())
            widths.columns.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.cells.push_back(WrittenWidth(row[c]));
            widths.columns[c] = std::max(widths.columns[c], widths.cells.back());
        }
    }
    return widths;
}

// Appends each cell of the row as "|", the written text and as many blanks
// as make it as wide as its column plus one (at least one, so that a cell
// ending in a backslash never escapes the next "|"); then the closing "|".
// `cellWidths` holds the row's written widths, `columns` the widest of each
// column measured over the same rows.
void AppendRow(
    std::u16string& line, const CellRow& row, const int* cellWidths, const std::vector<int>& columns)
{
    for (std::size_t k = 0; k < row.size(); ++k) {
        line += u'|';
        AppendWrittenCellText(line, row[k]);
        line.append(static_cast<std::size_t>(columns[k] - cellWidths[k] + 1), u' ');
    }
    line += u'|';
}

// Room for a row of the given widths, wide characters counted as one unit.
std::size_t RowLength(const std::vector<int>& columns, int around)
{
    std::size_t length = 1;
    for (int width : columns)
        length += static_cast<std::size_t>(width + 2 + 2 * around);
    return length;
}

} // namespace

std::u16string WrittenCellText(std::u16string_view cell)
{
    std::u16string written;
    written.reserve(cell.size());
    AppendWrittenCellText(written, cell);
    return written;
}

CellMatrix PadColumns(const CellMatrix& matrix)
{
    const Widths widths = Measure(matrix);
    CellMatrix padded;
    padded.reserve(matrix.size());
    const int* cellWidth = widths.cells.data();
    for (const CellRow& row : matrix) {
        CellRow cells;
        cells.reserve(row.size());
        for (std::size_t c = 0; c < row.size(); ++c, ++cellWidth) {
            std::u16string cell;
            cell.reserve(static_cast<std::size_t>(widths.columns[c]) + 2);
            cell += u' ';
            AppendWrittenCellText(cell, row[c]);
            cell.append(static_cast<std::size_t>(widths.columns[c] - *cellWidth + 1), u' ');
            cells.push_back(std::move(cell));
        }
        padded.push_back(std::move(cells));
    }
    return padded;
}

LineList CellMatrixToLines(const CellMatrix& matrix)
{
    const Widths widths = Measure(matrix);
    const std::size_t length = RowLength(widths.columns, 0);
    LineList lines;
    lines.reserve(matrix.size());
    const int* cellWidths = widths.cells.data();
    for (const CellRow& row : matrix) {
        std::u16string& line = lines.emplace_back();
        line.reserve(length);
        AppendRow(line, row, cellWidths, widths.columns);
        cellWidths += row.size();
    }
    return lines;
}

// The two stages in one, straight from the lines: two passes over the rows'
// cells as views (one to measure the columns, one to write), so that neither
// the cells nor the padded cells are ever copied.
LineList AlignTableLines(const LineList& rows)
{
    std::vector<std::u16string_view> cells;
    std::vector<int> columns;
    for (const std::u16string& row : rows) {
        SplitTableRowInto(row, cells);
        if (columns.size() < cells.size())
            columns.resize(cells.size(), 0);
        for (std::size_t c = 0; c < cells.size(); ++c)
            columns[c] = std::max(columns[c], WrittenWidth(cells[c]));
    }
    const std::size_t length = RowLength(columns, 1);
    LineList lines;
    lines.reserve(rows.size());
    for (const std::u16string& row : rows) {
        SplitTableRowInto(row, cells);
        std::u16string& line = lines.emplace_back();
        line.reserve(length);
        // Short rows are filled with empty cells, as the grid reads them back.
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::u16string_view cell = c < cells.size() ? cells[c] : std::u16string_view();
            line += u"| ";
            AppendWrittenCellText(line, cell);
            line.append(static_cast<std::size_t>(columns[c] - WrittenWidth(cell) + 2), u' ');
        }
        line += u'|';
    }
    return lines;
}
