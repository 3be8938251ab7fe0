#pragma once

#include "core/CucumberSpace.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

// How Cucumber reads the indentation of a doc string's content: it takes
// from each content line at most as many leading white-space characters (its
// white space, wider than the blank and the tab the classifier trims) as the
// opening delimiter stands columns from the left, and the rest is the content.
// So the content of a line under a delimiter at `column` begins past at most
// `column` leading white-space characters.
constexpr std::size_t DocStringContentStart(std::u16string_view line, int column)
{
    const std::size_t most = std::min(line.size(), static_cast<std::size_t>(std::max(column, 0)));
    std::size_t at = 0;
    while (at < most && IsCucumberSpace(line[at]))
        ++at;
    return at;
}
