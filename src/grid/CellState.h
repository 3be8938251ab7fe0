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
