#pragma once

#include <string_view>

// The white space that table cells are trimmed of: blank, tab, line feed,
// vertical tab, form feed and carriage return.
constexpr bool IsTableWhiteSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// `text` without white space at either end.
constexpr std::u16string_view TrimWhiteSpace(std::u16string_view text)
{
    while (!text.empty() && IsTableWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTableWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}
