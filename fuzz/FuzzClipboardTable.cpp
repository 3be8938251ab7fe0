#include "core/table/ClipboardTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

ClipboardShape ShapeOf(const CellMatrix& matrix)
{
    if (matrix.empty())
        return CLIP_EMPTY;
    std::size_t widest = 0;
    for (const CellRow& row : matrix)
        widest = std::max(widest, row.size());
    if (matrix.size() == 1)
        return widest >= 2 ? CLIP_ROW : CLIP_CELL;
    return widest >= 2 ? CLIP_TABLE : CLIP_COLUMN;
}

} // namespace

// Clipboard text, two bytes a UTF-16 unit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    const ClipboardTable table = ParseClipboardTable(text);
    if (table.shape != ShapeOf(table.matrix))
        std::abort();
    for (const CellRow& row : table.matrix)
        if (row.empty())
            std::abort();

    // What the dialog copies reads back as the same cells, as long as it is
    // tab-separated (a single column goes out without tabs and comes back as
    // comma-separated text) and its last row is not a lone empty cell (the
    // empty line that stands for it is the text's final line break). A bare
    // carriage return inside a cell goes out quoted and comes back as the line
    // feed a quoted cell holds.
    const std::u16string copied = CellMatrixToClipboardText(table.matrix);
    const CellRow lastRow = table.matrix.empty() ? CellRow() : table.matrix.back();
    if (copied.find(u'\t') == std::u16string::npos || lastRow == CellRow { std::u16string() })
        return 0;
    CellMatrix expected = table.matrix;
    for (CellRow& row : expected)
        for (std::u16string& cell : row)
            std::replace(cell.begin(), cell.end(), u'\r', u'\n');
    if (ParseClipboardTable(copied).matrix != expected)
        std::abort();
    return 0;
}
