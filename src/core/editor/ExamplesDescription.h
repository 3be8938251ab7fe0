#pragma once

#include "core/language/LineType.h"

// Between an Examples line and its table Cucumber reads every line as the
// Examples' description (or a comment), whatever it looks like, up to the
// first row, tag line, or Examples, Scenario, Scenario Outline or Rule line.
constexpr bool MayStandBeforeExamplesTable(LineType type)
{
    return type != TABLE_LINE && type != TAG_LINE && type != EXAMPLES_LINE && type != SCENARIO_LINE
        && type != SCENARIO_OUTLINE_LINE && type != NOT_ANALYSED;
}
