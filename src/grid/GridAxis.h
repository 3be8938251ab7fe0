#pragma once

#include <vector>

// The two directions of the grid: what is said of rows here is said of
// columns there, heights becoming widths.
enum class Axis { Row, Column };

// A visible row or column: its index, where it starts and its size.
struct Span {
    int index;
    int start;
    int size;
};

// The rows (or the columns) of the grid along one direction: their sizes in
// pixels and how many of the first are fixed. A size of 0 hides its row or
// column. Positions count from the start of the first one; the fixed ones
// stand still while the rest scroll by `scroll` pixels.
class GridAxis {
public:
    int Count() const { return static_cast<int>(m_sizes.size()); }
    int FixedCount() const { return m_fixed; }
    // Also lowers the fixed count to `count`; new ones get `size`.
    void Resize(int count, int size);
    void SetFixedCount(int fixed) { m_fixed = fixed; }
    void Insert(int at, int size);
    // Lowers the fixed count too when the one erased was fixed.
    void Erase(int at);

    // -1 outside the range.
    int Size(int i) const { return i >= 0 && i < Count() ? m_sizes[i] : -1; }
    bool SetSize(int i, int size);
    // Whether the user dragged its size: the grid then leaves it as the user
    // left it until it is sized to its contents again.
    bool IsSizedByHand(int i) const { return i >= 0 && i < Count() && m_byHand[i]; }
    void SetSizedByHand(int i, bool byHand);
    bool IsVisible(int i) const { return Size(i) > 0; }
    void SetAll(int size);

    // Where one starts, as if nothing were scrolled (i is clamped to 0..Count).
    int Start(int i) const;
    int FixedSize() const { return Start(m_fixed); }
    int Total() const { return Start(Count()); }

    // The next visible one that is not fixed from `from` on in the direction
    // of `step` (+1 or -1), `from` itself included; -1 when there is none.
    int VisibleFrom(int from, int step) const
    {
        for (int i = from; i >= m_fixed && i < Count(); i += step)
            if (m_sizes[i] > 0)
                return i;
        return -1;
    }

    // The one under a position; -1 outside all of them or on a hidden one.
    int IndexAt(int pos, int scroll) const;
    // The divider (the far edge of one of them) within `range` pixels of a
    // position; -1 for none. The last in reach wins: a hidden one's divider
    // lies on its neighbour's, and dragging it shows the hidden one again.
    int DividerAt(int pos, int scroll, int range) const;
    // The visible ones that show in `extent` pixels: the fixed ones, then the
    // others from `scroll` on.
    std::vector<Span> VisibleSpans(int scroll, int extent) const;
    // The scroll position that brings the non-fixed `i` whole into `view`
    // pixels after the fixed ones, moving as little as it can from `scroll`.
    int ScrollToShow(int i, int scroll, int view) const;

private:
    std::vector<int> m_sizes;
    std::vector<bool> m_byHand;
    int m_fixed = 0;
};
