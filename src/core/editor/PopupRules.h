#pragma once

#include "LineAnalysis.h"

// Which of the view's own pop-up commands fit a line, from the tables as last
// analysed: these read the tables and run no analysis. A line at or beyond
// analysedLineCount has no type, and none of them fits it; the line below the
// last analysed one has none either, and counts as neither a table row nor a
// doc-string delimiter.

// A table can be edited on an Examples line or a table row, and a step takes
// a new table unless a doc string already follows it.
bool CanEditTable(const LineAnalysis& analysis, int line);
// A doc string can be edited inside one, and a step takes a new one unless a
// table already follows it.
bool CanEditString(const LineAnalysis& analysis, int line);
// Edit Include File: only on an include line ("#include ..." after leading
// blanks and tabs).
bool CanEditIncludeFile(const LineAnalysis& analysis, int line);
