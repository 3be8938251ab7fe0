#pragma once

#include "grid/GridText.h"

#include <cstdint>
#include <utility>

// One cell of the grid: its text and the flags it keeps itself, read-only and
// modified (CellState). Focus, selection and fixedness follow from the cell's
// place and are the grid's (CGridModel::GetItemState).
class CGridCell {
public:
    const GridText& GetText() const { return m_text; }
    void SetText(GridText text) { m_text = std::move(text); }
    // Sets the text and leaves in `text` the one it had.
    void ExchangeText(GridText& text) { m_text.swap(text); }

    std::uint32_t GetState() const { return m_state; }
    void SetState(std::uint32_t state) { m_state = state; }

private:
    GridText m_text;
    std::uint32_t m_state = 0;
};
