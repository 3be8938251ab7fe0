#include "table/GridTexts.h"

#include "grid/CGridCtrl.h"

#include <algorithm>

TextMatrix GridTexts(const CGridCtrl& grid)
{
    const CGridModel& model = grid.Model();
    TextMatrix texts(std::max(0, model.GetRowCount() - 1));
    for (int row = 1; row < model.GetRowCount(); ++row) {
        std::vector<GridText>& cells = texts[row - 1];
        cells.reserve(model.GetColumnCount() - 1);
        for (int col = 1; col < model.GetColumnCount(); ++col)
            cells.push_back(model.GetCell(row, col)->GetText());
    }
    return texts;
}

void LoadGridTexts(CGridCtrl& grid, TextMatrix texts, bool exact)
{
    std::size_t longest = 0;
    for (const std::vector<GridText>& cells : texts)
        longest = std::max(longest, cells.size());
    const auto fitted = [exact](int count, int needed) { return exact ? needed : std::max(count, needed); };
    const int rows = fitted(grid.GetRowCount(), static_cast<int>(texts.size()) + 1);
    const int cols = fitted(grid.GetColumnCount(), static_cast<int>(longest) + 1);
    // Whatever shrinks goes first: a tall table turned on its side would
    // otherwise pass through a grid as tall as one and as wide as the other.
    if (cols < grid.GetColumnCount())
        grid.SetColumnCount(cols);
    grid.SetRowCount(rows);
    grid.SetColumnCount(cols);
    grid.SetItemTexts(1, 1, std::move(texts));
}
