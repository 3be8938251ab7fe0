#pragma once

#include <algorithm>

// A cell of the grid by row and column; -1 in either means no cell.
struct CCellID {
    int row = -1;
    int col = -1;

    CCellID() = default;
    CCellID(int r, int c)
        : row(r)
        , col(c)
    {
    }

    // Whether the coordinate names a cell at all; whether the grid has that
    // cell is the grid's question (CGridModel::IsValid).
    bool IsValid() const { return row >= 0 && col >= 0; }

    friend bool operator==(const CCellID&, const CCellID&) = default;
};

// A rectangle of cells, both corners included.
struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    CCellRange() = default;
    CCellRange(int top, int left, int bottom, int right)
        : minRow(top)
        , minCol(left)
        , maxRow(bottom)
        , maxCol(right)
    {
    }

    // The rectangle spanned by two cells, whichever corner each of them is.
    static CCellRange Spanning(const CCellID& a, const CCellID& b)
    {
        return { std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row),
            std::max(a.col, b.col) };
    }

    bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow
            && minCol <= maxCol;
    }

    bool Contains(int row, int col) const
    {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }

    CCellID TopLeft() const { return { minRow, minCol }; }

    // The cells of both ranges; an invalid range takes no part.
    CCellRange UnionWith(const CCellRange& other) const
    {
        if (!IsValid())
            return other;
        if (!other.IsValid())
            return *this;
        return { std::min(minRow, other.minRow), std::min(minCol, other.minCol),
            std::max(maxRow, other.maxRow), std::max(maxCol, other.maxCol) };
    }

    // The cells this range shares with `other`; invalid when there are none.
    CCellRange Intersect(const CCellRange& other) const
    {
        return { std::max(minRow, other.minRow), std::max(minCol, other.minCol),
            std::min(maxRow, other.maxRow), std::min(maxCol, other.maxCol) };
    }

    friend bool operator==(const CCellRange&, const CCellRange&) = default;
};
