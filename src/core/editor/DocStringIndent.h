#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// How Cucumber reads the indentation of a doc string's content: it takes
// from each content line at most as many leading white-space characters as
// the opening delimiter stands columns from the left, and the rest is the
// content. Its white space is wider than the blank and the tab the classifier
// trims: the line ends, the form feed and the vertical tab, the no-break
// spaces and every other space separator, and U+FEFF.
constexpr bool IsDocStringIndentSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u00A0' || c == u'\u1680'
        || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' || c == u'\u2029' || c == u'\u202F'
        || c == u'\u205F' || c == u'\u3000' || c == u'\uFEFF';
}

// Where the content of a doc-string line begins when its opening delimiter
// stands at `column`: past at most `column` leading white-space characters.
constexpr std::size_t DocStringContentStart(std::u16string_view line, int column)
{
    const std::size_t most = std::min(line.size(), static_cast<std::size_t>(std::max(column, 0)));
    std::size_t at = 0;
    while (at < most && IsDocStringIndentSpace(line[at]))
        ++at;
    return at;
}
