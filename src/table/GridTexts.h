#pragma once

#include "grid/CGridModel.h"

class CGridCtrl;

// The texts of the grid's data cells, row by row from cell (1, 1). The texts
// share their characters with the cells (QString is shared until changed), so
// taking them costs a few words a cell, not the text.
TextMatrix GridTexts(const CGridCtrl& grid);

// Moves `texts` into the cells from (1, 1) on, growing the grid to hold them;
// with `exact` a grid larger than the texts also shrinks to them. Cells the
// texts do not cover keep their own.
void LoadGridTexts(CGridCtrl& grid, TextMatrix texts, bool exact);
