#include "PopupRules.h"

bool CanEditTable(const LineAnalysis& analysis, int line)
{
    const LineType type = analysis.TypeOf(line);
    return type == EXAMPLES_LINE || type == TABLE_LINE
        || (type == STEP_LINE && analysis.TypeOf(line + 1) != DOC_STRING_DELIMITER_LINE);
}

bool CanEditString(const LineAnalysis& analysis, int line)
{
    const LineType type = analysis.TypeOf(line);
    return type == DOC_STRING_DELIMITER_LINE || type == DOC_STRING_LINE
        || (type == STEP_LINE && analysis.TypeOf(line + 1) != TABLE_LINE);
}

bool CanEditIncludeFile(const LineAnalysis& analysis, int line)
{
    return analysis.TypeOf(line) == INCLUDE_LINE;
}
