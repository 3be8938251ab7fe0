#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/table/CellMatrix.h"

// The placeholders ("<name>") that Cucumber fills in from the Examples table
// of the Examples line `examplesLine`: those of its scenario's steps, of the
// steps' tables (cell by cell) and doc strings (content type included) and of
// the scenario's name; never of its description, its comments and tags, or
// another Examples block and its table. The scenario is the one under the
// first heading above (Scenario Outline or Scenario); its steps end at its
// first Examples line. Lower lines come first, the name last, and within a
// line (or cell) placeholders come left to right; "<>" gives an empty name,
// and duplicates remain. A placeholder lies within one line: a "<" whose line
// has no ">" after it starts none.
PlaceholderList CollectPlaceholders(const LineAnalysis& analysis, int examplesLine);

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
