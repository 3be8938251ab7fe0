#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/editor/LineSource.h"

#include <string>

// The whole text (CR LF line breaks) with every table aligned as the Table
// command writes a table back, and nothing else changed: each run of table
// rows among the analysed lines, outside doc strings, becomes
// AlignTableLines of its rows, every row behind the white space that stands
// before the "|" of the run's first row. No placeholders are merged and no
// line is added; each row keeps its own line break, so a last row without one
// stays without. Rows inside a doc string, lines past the analysed ones and
// a table that runs on past them stay as they are. `analysis` must describe
// `source` (AnalyseAll).
std::u16string AlignWholeText(const LineSource& source, const LineAnalysis& analysis);
