#include "PopupMenuRules.h"

bool TableAllowed(LineType lineType, LineType nextLineType)
{
    return lineType == EXAMPLES_LINE || lineType == TABLE_LINE
        || (lineType == STEP_LINE && nextLineType != DOC_STRING_DELIMITER_LINE);
}

bool StringAllowed(LineType lineType, LineType nextLineType)
{
    return lineType == DOC_STRING_DELIMITER_LINE || lineType == DOC_STRING_LINE
        || (lineType == STEP_LINE && nextLineType != TABLE_LINE);
}
