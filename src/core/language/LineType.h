#pragma once

#include <cstdint>

// The Gherkin role of one line. The numbers are fixed; 5 is not used and 0
// marks a per-line entry that was never analysed.
enum LineType : std::int32_t {
    NOT_ANALYSED = 0,
    FEATURE_LINE = 1,
    TAG_LINE = 2,
    SCENARIO_LINE = 3, // Scenario, Example and Rule headings
    BACKGROUND_LINE = 4,
    SCENARIO_OUTLINE_LINE = 6,
    STEP_LINE = 7,
    TABLE_LINE = 8,
    EXAMPLES_LINE = 9,
    DOC_STRING_DELIMITER_LINE = 10,
    COMMENT_LINE = 11, // comments, and description text after the context pass
    TEXT_LINE = 12,
    INCLUDE_LINE = 13,
    DOC_STRING_LINE = 14, // given by the context pass only
};

// "FEATURE_LINE", ...; "NOT_ANALYSED" for 0 and "UNKNOWN" for anything else.
const char* LineTypeName(LineType type);
