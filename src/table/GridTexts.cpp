#include "table/GridTexts.h"

#include "grid/CGridCtrl.h"

#include <algorithm>

TextMatrix GridTexts(const CGridCtrl& grid)
{
    TextMatrix texts(std::max(0, grid.GetRowCount() - 1));
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        std::vector<QString>& cells = texts[row - 1];
        cells.reserve(grid.GetColumnCount() - 1);
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            cells.push_back(grid.GetCell(row, col)->GetText());
    }
    return texts;
}

void LoadGridTexts(CGridCtrl& grid, const TextMatrix& texts, bool exact)
{
    std::size_t longest = 0;
    for (const std::vector<QString>& cells : texts)
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
    for (std::size_t row = 0; row < texts.size(); ++row)
        for (std::size_t col = 0; col < texts[row].size(); ++col)
            grid.SetItemText(static_cast<int>(row) + 1, static_cast<int>(col) + 1, texts[row][col]);
}
