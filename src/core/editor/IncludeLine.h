#pragma once

#include "LineAnalysis.h"

// Whether `line` is an include line ("#include ..." after leading blanks and
// tabs) as last analysed: this reads the tables and runs no analysis. A line
// at or beyond analysedLineCount has not been analysed and is not one. The
// view's Edit Include File update handler enables its item by this.
bool IsIncludeLine(const LineAnalysis& analysis, int line);
