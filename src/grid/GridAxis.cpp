#include "grid/GridAxis.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

void GridAxis::Resize(int count, int size)
{
    m_sizes.resize(count, size);
    m_byHand.resize(count, false);
    m_fixed = std::min(m_fixed, count);
}

void GridAxis::Insert(int at, int size)
{
    m_sizes.insert(m_sizes.begin() + at, size);
    m_byHand.insert(m_byHand.begin() + at, false);
}

void GridAxis::Erase(int at)
{
    m_sizes.erase(m_sizes.begin() + at);
    m_byHand.erase(m_byHand.begin() + at);
    if (at < m_fixed)
        --m_fixed;
}

bool GridAxis::SetSize(int i, int size)
{
    if (i < 0 || i >= Count() || size < 0)
        return false;
    m_sizes[i] = size;
    return true;
}

void GridAxis::SetSizedByHand(int i, bool byHand)
{
    if (i >= 0 && i < Count())
        m_byHand[i] = byHand;
}

void GridAxis::SetAll(int size)
{
    std::fill(m_sizes.begin(), m_sizes.end(), size);
}

int GridAxis::Start(int i) const
{
    i = std::clamp(i, 0, Count());
    return std::accumulate(m_sizes.begin(), m_sizes.begin() + i, 0);
}

int GridAxis::IndexAt(int pos, int scroll) const
{
    if (pos < 0)
        return -1;
    int start = 0;
    for (int i = 0; i < m_fixed; ++i) {
        if (pos < start + m_sizes[i])
            return i;
        start += m_sizes[i];
    }
    start -= scroll;
    for (int i = m_fixed; i < Count(); ++i) {
        if (pos < start + m_sizes[i])
            return m_sizes[i] > 0 ? i : -1;
        start += m_sizes[i];
    }
    return -1;
}

int GridAxis::DividerAt(int pos, int scroll, int range) const
{
    int found = -1;
    int edge = 0;
    int fixedSize = 0;
    for (int i = 0; i < Count(); ++i) {
        if (i == m_fixed) {
            fixedSize = edge;
            edge -= scroll;
        }
        edge += m_sizes[i];
        if (i >= m_fixed && edge < fixedSize)
            continue; // scrolled away under the fixed ones
        if (edge > pos + range)
            break;
        if (std::abs(pos - edge) <= range)
            found = i;
    }
    return found;
}

std::vector<Span> GridAxis::VisibleSpans(int scroll, int extent) const
{
    std::vector<Span> spans;
    int start = 0;
    for (int i = 0; i < m_fixed && start < extent; ++i) {
        if (m_sizes[i] > 0)
            spans.push_back({ i, start, m_sizes[i] });
        start += m_sizes[i];
    }
    const int fixedSize = FixedSize();
    start = fixedSize - scroll;
    for (int i = m_fixed; i < Count() && start < extent; ++i) {
        if (m_sizes[i] > 0 && start + m_sizes[i] > fixedSize)
            spans.push_back({ i, start, m_sizes[i] });
        start += m_sizes[i];
    }
    return spans;
}

int GridAxis::ScrollToShow(int i, int scroll, int view) const
{
    // Positions in the scrolled part, where the scroll value counts.
    const int start = Start(i) - FixedSize();
    const int end = start + Size(i);
    if (start < scroll)
        return start;
    if (end > scroll + view)
        return std::min(start, end - view);
    return scroll;
}
