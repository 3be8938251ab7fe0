#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/table/CellMatrix.h"

// The placeholders ("<name>") of the lines from line i upwards, stopping
// before the first heading above (Scenario Outline, Scenario, Rule,
// Background or Feature), so that only the scenario's own steps, tables and
// doc strings count. Lower lines come first, and within a line placeholders
// come left to right; "<>" gives an empty name, and duplicates remain. A
// placeholder lies within one line: a "<" whose line has no ">" after it
// starts none.
PlaceholderList CollectPlaceholders(const LineAnalysis& analysis, int i);

// Prepares the rows of an Examples table for the grid: a column is dropped
// only when it is empty in every row, the header's empty cell included (so
// the blank header of a new table gives way to the placeholders); a header
// name that repeats keeps its column; every placeholder that is not empty and
// not yet a header name is appended to the header, once, and every other row
// gains an empty cell for it. Rows shorter than the longest are filled with
// empty cells first, so that no cell moves under another header. The lines
// are rewritten in the aligned form of the layout, without indentation. No
// lines stay no lines.
void MergePlaceholdersIntoHeader(LineList& lines, const PlaceholderList& placeholders);
