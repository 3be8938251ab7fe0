#include "LineType.h"

const char* LineTypeName(LineType type)
{
    switch (type) {
    case NOT_ANALYSED:
        return "NOT_ANALYSED";
    case FEATURE_LINE:
        return "FEATURE_LINE";
    case TAG_LINE:
        return "TAG_LINE";
    case SCENARIO_LINE:
        return "SCENARIO_LINE";
    case BACKGROUND_LINE:
        return "BACKGROUND_LINE";
    case SCENARIO_OUTLINE_LINE:
        return "SCENARIO_OUTLINE_LINE";
    case STEP_LINE:
        return "STEP_LINE";
    case TABLE_LINE:
        return "TABLE_LINE";
    case EXAMPLES_LINE:
        return "EXAMPLES_LINE";
    case DOC_STRING_DELIMITER_LINE:
        return "DOC_STRING_DELIMITER_LINE";
    case COMMENT_LINE:
        return "COMMENT_LINE";
    case TEXT_LINE:
        return "TEXT_LINE";
    case INCLUDE_LINE:
        return "INCLUDE_LINE";
    case DOC_STRING_LINE:
        return "DOC_STRING_LINE";
    }
    return "UNKNOWN";
}
