#pragma once

#include "core/language/LineType.h"
#include "core/table/WhiteSpace.h"

#include <string_view>

// Where Cucumber reads a table: the rows after a step or an Examples line,
// with the lines it passes over before and between them.

// A comment or a line of white space: Cucumber passes over it anywhere, so it
// may stand between a step and its table and between the rows of a table.
constexpr bool IsCommentOrEmpty(std::u16string_view text)
{
    const std::u16string_view content = TrimWhiteSpace(text);
    return content.empty() || content.front() == u'#';
}

// Between an Examples line and its table Cucumber reads every line as the
// Examples' description (or a comment), whatever it looks like, up to the
// first row, tag line, or Examples, Scenario, Scenario Outline or Rule line.
constexpr bool MayStandBeforeExamplesTable(LineType type)
{
    return type != TABLE_LINE && type != TAG_LINE && type != EXAMPLES_LINE && type != SCENARIO_LINE
        && type != SCENARIO_OUTLINE_LINE && type != NOT_ANALYSED;
}
