#include "core/table/TableLayout.h"

#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"

#include <algorithm>
#include <cstddef>

namespace {

bool NeedsEscapes(std::u16string_view cell)
{
    return cell.find_first_of(u"|\r\n") != std::u16string_view::npos;
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
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && at + 1 < cell.size() && cell[at + 1] == u'\n')
                ++at;
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

void AppendBlanks(std::u16string& out, int count)
{
    out.append(static_cast<std::size_t>(std::max(count, 0)), u' ');
}

// The widest written text of each column, over the rows that reach it.
std::vector<int> ColumnWidths(const CellMatrix& matrix)
{
    std::vector<int> widths;
    for (const CellRow& row : matrix) {
        if (widths.size() < row.size())
            widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], WrittenWidth(row[c]));
    }
    return widths;
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
    const std::vector<int> widths = ColumnWidths(matrix);
    CellMatrix padded;
    padded.reserve(matrix.size());
    for (const CellRow& row : matrix) {
        CellRow cells;
        cells.reserve(row.size());
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::u16string cell;
            cell.reserve(static_cast<std::size_t>(widths[c]) + 2);
            cell += u' ';
            AppendWrittenCellText(cell, row[c]);
            AppendBlanks(cell, widths[c] - WrittenWidth(row[c]) + 1);
            cells.push_back(std::move(cell));
        }
        padded.push_back(std::move(cells));
    }
    return padded;
}

LineList CellMatrixToLines(const CellMatrix& matrix)
{
    const std::vector<int> widths = ColumnWidths(matrix);
    LineList lines;
    lines.reserve(matrix.size());
    for (const CellRow& row : matrix)
        lines.push_back(FormatTableRow(row, widths));
    return lines;
}

std::u16string FormatTableRow(const CellRow& row, const std::vector<int>& widths)
{
    std::u16string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
        line += u'|';
        AppendWrittenCellText(line, row[k]);
        // At least one blank, so that a cell ending in a backslash never escapes the next "|".
        const int written = WrittenWidth(row[k]);
        const int width = k < widths.size() ? std::max(widths[k], written) : written;
        AppendBlanks(line, width - written + 1);
    }
    line += u'|';
    return line;
}

LineList AlignTableLines(const LineList& rows)
{
    return CellMatrixToLines(PadColumns(PadToRectangle(LinesToCellMatrix(rows))));
}
