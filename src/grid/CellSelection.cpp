#include "grid/CellSelection.h"

#include <algorithm>

void CCellSelection::Add(const CCellRange& range)
{
    if (range.IsValid())
        m_ranges.push_back(range);
}

void CCellSelection::Remove(int row, int col)
{
    std::vector<CCellRange> kept;
    for (const CCellRange& range : m_ranges) {
        if (!range.Contains(row, col)) {
            kept.push_back(range);
            continue;
        }
        // What is left of the rectangle: the rows above and below the cell in
        // full width, and the parts of the cell's row either side of it.
        const CCellRange parts[] = {
            { range.minRow, range.minCol, row - 1, range.maxCol },
            { row + 1, range.minCol, range.maxRow, range.maxCol },
            { row, range.minCol, row, col - 1 },
            { row, col + 1, row, range.maxCol },
        };
        for (const CCellRange& part : parts)
            if (part.IsValid())
                kept.push_back(part);
    }
    m_ranges = std::move(kept);
}

bool CCellSelection::Contains(int row, int col) const
{
    return std::any_of(m_ranges.begin(), m_ranges.end(),
        [row, col](const CCellRange& range) { return range.Contains(row, col); });
}

CCellRange CCellSelection::Bounds() const
{
    CCellRange bounds;
    for (const CCellRange& range : m_ranges)
        bounds = bounds.UnionWith(range);
    return bounds;
}

void CCellSelection::ClipTo(const CCellRange& limits)
{
    std::vector<CCellRange> kept;
    for (const CCellRange& range : m_ranges) {
        const CCellRange part = range.Intersect(limits);
        if (part.IsValid())
            kept.push_back(part);
    }
    m_ranges = std::move(kept);
}

bool CCellSelection::HeldBefore(std::size_t i, int row, int col) const
{
    for (std::size_t j = 0; j < i; ++j)
        if (m_ranges[j].Contains(row, col))
            return true;
    return false;
}
