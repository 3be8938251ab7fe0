#pragma once

#include "grid/CellID.h"

#include <vector>

// A set of selected cells, kept as the rectangles that were selected: a click,
// a drag, Select All or a paste each add one, so asking whether a cell is
// selected, or selecting a whole grid, costs nothing per cell. Rectangles may
// overlap; a cell is selected when any of them holds it.
class CCellSelection {
public:
    bool IsEmpty() const { return m_ranges.empty(); }
    void Clear() { m_ranges.clear(); }

    // Adds the cells of `range`; an invalid range adds nothing.
    void Add(const CCellRange& range);

    // Takes one cell out, cutting the rectangles that hold it around it.
    void Remove(int row, int col);

    bool Contains(int row, int col) const;

    // The smallest range that holds every selected cell; invalid when none is.
    CCellRange Bounds() const;

    // Forgets the cells outside `range` (after the grid shrank, say).
    void ClipTo(const CCellRange& range);

    // Calls visit(row, col) once for every selected cell.
    template <typename Visit> void ForEachCell(Visit visit) const
    {
        for (std::size_t i = 0; i < m_ranges.size(); ++i) {
            const CCellRange& range = m_ranges[i];
            for (int row = range.minRow; row <= range.maxRow; ++row)
                for (int col = range.minCol; col <= range.maxCol; ++col)
                    if (!HeldBefore(i, row, col))
                        visit(row, col);
        }
    }

private:
    // Whether one of the rectangles before the i-th holds the cell.
    bool HeldBefore(std::size_t i, int row, int col) const;

    std::vector<CCellRange> m_ranges;
};
