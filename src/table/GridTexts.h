#pragma once

#include <QString>

#include <vector>

class CGridCtrl;

// The texts of the grid's data cells, row by row from cell (1, 1). The texts
// share their characters with the cells (QString is shared until changed), so
// taking them costs a few words a cell, not the text.
using TextMatrix = std::vector<std::vector<QString>>;

TextMatrix GridTexts(const CGridCtrl& grid);

// Writes `texts` from cell (1, 1), growing the grid to hold them; with `exact`
// a grid larger than the texts also shrinks to them. Cells the texts do not
// cover keep their own.
void LoadGridTexts(CGridCtrl& grid, const TextMatrix& texts, bool exact);
