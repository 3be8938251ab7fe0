#pragma once

#include "core/table/CellMatrix.h"

#include <cstddef>
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
// A text that holds a tab is tab-separated, as spreadsheets copy their cells;
// any other text is comma-separated. Either way a cell that starts with a
// quotation mark runs to the closing one and may hold separators and line
// breaks, and "" inside it stands for one quotation mark, as spreadsheets and
// CSV quote a cell; a line break in it arrives as a line feed. A quotation
// mark anywhere else, or one that is never closed, is an ordinary character.
//
// Lines end at a line feed, a carriage return before it included. An empty
// line is a row of one empty cell, as a spreadsheet copies a blank cell of a
// column, unless no row follows it: the final line break and empty lines at
// the end give no row. Each cell is trimmed of white space outside its quotes;
// two adjacent separators give an empty cell, and a separator at the very end
// of a line gives no cell after it.
ClipboardTable ParseClipboardTable(std::u16string_view text);

// The shape ParseClipboardTable gives the text, found without keeping a cell
// and, for a table, from its first rows alone: what the menus need to offer
// the paste items that fit.
ClipboardShape ClipboardTableShape(std::u16string_view text);

// Reads clipboard text cell by cell as ParseClipboardTable reads it, copying
// none of them: a pasted table of many cells goes into place with no more
// than the copy its destination keeps. A cell is a view of the text, or of
// the reader's own copy of it when it is quoted.
class ClipboardCellReader {
public:
    // `text` must outlive the reader.
    explicit ClipboardCellReader(std::u16string_view text);

    // Moves to the next cell (to the first at the first call); false when no
    // cell is left.
    bool Next();

    // The cell read last: its row and column, from 0, and its text, which
    // lives until the next call of Next(). Each row has at least one cell.
    std::size_t Row() const { return m_rows - 1; }
    std::size_t Column() const { return m_column; }
    std::u16string_view Cell() const { return m_cell; }

private:
    void ReadCell();
    // The cell that starts with a blank or a quotation mark: answers where it
    // ends.
    std::size_t ReadBlankOrQuotedCell();

    std::u16string_view m_text;
    char16_t m_separator;
    std::size_t m_at = 0;
    // Empty lines passed that wait for a row after them to become rows.
    std::size_t m_emptyLines = 0;
    // The next cell goes on with the present row.
    bool m_inRow = false;
    std::size_t m_rows = 0;
    std::size_t m_column = 0;
    std::u16string_view m_cell;
    std::u16string m_quoted;
};

// A cell as spreadsheets put it among tab-separated cells: as it is, or, when
// it holds a tab, a line break or a quotation mark, or starts or ends with
// white space, between quotation marks with each inner one doubled.
std::u16string QuoteClipboardCell(std::u16string_view cell);

// The matrix as the clipboard text that the table dialog copies: each row's
// cells quoted as a spreadsheet does, joined by tabs and followed by CR LF. An
// empty last cell of a row of several is written "", so that it reads back.
std::u16string CellMatrixToClipboardText(const CellMatrix& matrix);
