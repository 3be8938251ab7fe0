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
    // Tab-separated text: only tabs separate, so no cell holds one, and no
    // row is empty.
    const bool tabbed = text.find(u'\t') != std::u16string::npos;
    for (const CellRow& row : table.matrix) {
        if (row.empty())
            std::abort();
        for (const std::u16string& cell : row)
            if (tabbed && cell.find(u'\t') != std::u16string::npos)
                std::abort();
    }
    CellMatrixToClipboardText(table.matrix);
    return 0;
}
