#pragma once

#include <cstdint>

// The state flags of a cell. The values are fixed: callers store and compare
// them as numbers.
enum CellState : std::uint32_t {
    CELL_FOCUSED = 0x01,
    CELL_SELECTED = 0x02,
    CELL_READONLY = 0x08,
    CELL_FIXED = 0x10,
    CELL_FIXEDROW = 0x20,
    CELL_FIXEDCOL = 0x40,
    CELL_MODIFIED = 0x80,
};

// The flags that follow from where a cell is (the fixed counts, the focus cell,
// the selection) rather than from the cell itself.
constexpr std::uint32_t CELL_POSITION_FLAGS
    = CELL_FOCUSED | CELL_SELECTED | CELL_FIXED | CELL_FIXEDROW | CELL_FIXEDCOL;

// How a cell lays out its text, as flags. The default of every cell is
// 0x8824: left aligned, vertically centred, one line, no prefix character,
// an ellipsis at the end of a text that does not fit.
enum CellTextFormat : std::uint32_t {
    TEXT_LEFT = 0x0000,
    TEXT_CENTER = 0x0001,
    TEXT_RIGHT = 0x0002,
    TEXT_TOP = 0x0000,
    TEXT_VCENTER = 0x0004,
    TEXT_BOTTOM = 0x0008,
    TEXT_SINGLELINE = 0x0020,
    TEXT_NOPREFIX = 0x0800,
    TEXT_END_ELLIPSIS = 0x8000,
};

constexpr std::uint32_t TEXT_DEFAULT_FORMAT
    = TEXT_LEFT | TEXT_VCENTER | TEXT_SINGLELINE | TEXT_NOPREFIX | TEXT_END_ELLIPSIS;

// Which rows the auto-size operations measure.
enum AutoSizeStyle : int {
    AUTOSIZE_DEFAULT = 0, // the grid's own style
    AUTOSIZE_HEADER = 1, // the fixed rows
    AUTOSIZE_DATA = 2, // the other rows
    AUTOSIZE_BOTH = 3,
};
