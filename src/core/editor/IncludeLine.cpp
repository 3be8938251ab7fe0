#include "IncludeLine.h"

bool IsIncludeLine(const LineAnalysis& analysis, int line)
{
    return analysis.TypeOf(line) == INCLUDE_LINE;
}
