#pragma once

#include "core/table/CellMatrix.h"

// The matrix with every row as long as the longest, short rows filled with
// empty cells at their end: how the grid reads a ragged table back.
CellMatrix PadToRectangle(CellMatrix matrix);

// Rows become columns: with L the length of the longest row, the result has L
// rows, and row j holds the j-th cell of every row that has one, in the order
// of the rows. No rows give no rows.
CellMatrix TransposeCellMatrix(const CellMatrix& matrix);
