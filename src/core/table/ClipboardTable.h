#pragma once

#include "core/table/CellMatrix.h"

#include <cstdint>
#include <string>
#include <string_view>

// What a text on the clipboard looks like as a table. The values are fixed:
// the table dialog enables its Paste Row, Paste Column and Paste Table items by
// them.
enum ClipboardShape : std::int32_t {
    CLIP_ROW = 0, // one row with two or more cells
    CLIP_COLUMN = 1, // two or more rows, none with more than one cell
    CLIP_TABLE = 2, // two or more rows, the longest with two or more cells
    CLIP_CELL = 3, // one row of one cell
    CLIP_EMPTY = 4, // no text, or a text without a row
};

struct ClipboardTable {
    CellMatrix matrix;
    ClipboardShape shape = CLIP_EMPTY;
};

// Reads clipboard text as table rows, one row a line.
//
// A text that holds a tab is tab-separated, as spreadsheets copy their cells:
// only tabs separate, and quotation marks are ordinary characters. A text
// without a tab is comma-separated with CSV quoting: a cell that starts with a
// quotation mark runs to the closing one and may hold commas and line breaks,
// and "" inside it stands for one quotation mark; an opening mark that is
// never closed is an ordinary character.
//
// Lines end at a line feed, a carriage return before it included. An empty
// line is a row of one empty cell, as a spreadsheet copies a blank cell of a
// column, unless no row follows it: the final line break and empty lines at
// the end give no row. Each cell is trimmed of white space outside its quotes;
// two adjacent separators give an empty cell, and a separator at the very end
// of a line gives no cell after it.
ClipboardTable ParseClipboardTable(std::u16string_view text);

// The matrix as the clipboard text that the table dialog copies: each row's
// cells joined by tabs and followed by CR LF.
std::u16string CellMatrixToClipboardText(const CellMatrix& matrix);
