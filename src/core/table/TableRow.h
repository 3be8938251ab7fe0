#pragma once

#include "core/table/CellMatrix.h"

#include <string_view>
#include <vector>

// Splits one table line into its cells, as Gherkin reads a row.
//
// The line is trimmed of white space at both ends (its carriage return goes
// with it). A "|" separates cells unless an odd number of backslashes stands
// right before it: "\|" is a pipe inside a cell, "\\|" a backslash ending one.
// A leading "|" opens the row; after it every separating "|" ends a cell, an
// empty one included, so "|a||b|" is "a", "", "b". Cells are trimmed and keep
// their escapes exactly as written. Text before the first "|" of a line that
// does not start with one is a cell too, and text after the last "|" is a
// last cell taken as it stands, with its leading blanks: "| a | b" gives "a"
// and " b". A line of "|" alone, and an empty line, give no cell.
//
// The cells are views into `line`, put into `cells` (cleared first), so that
// passes over many rows need no copies.
void SplitTableRowInto(std::u16string_view line, std::vector<std::u16string_view>& cells);

// The cells of each line in order; no lines give no rows.
CellMatrix LinesToCellMatrix(const LineList& lines);
