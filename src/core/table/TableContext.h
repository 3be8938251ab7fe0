#pragma once

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
