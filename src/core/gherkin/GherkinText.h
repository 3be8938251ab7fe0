#pragma once

#include "core/Surrogates.h"

#include <cstddef>
#include <string_view>

// Cucumber trims, splits and indents lines by what JavaScript counts as white
// space (its \s and trim()): the ASCII blanks and line breaks, the no-break
// spaces, the Unicode space separators and the byte-order mark.
constexpr bool IsGherkinSpace(char16_t c)
{
    if (c <= 0x20)
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    if (c < 0xA0)
        return false;
    return c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029
        || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

inline std::u16string_view TrimGherkinStart(std::u16string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsGherkinSpace(text[start]))
        ++start;
    return text.substr(start);
}

inline std::u16string_view TrimGherkinEnd(std::u16string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsGherkinSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

inline std::u16string_view TrimGherkin(std::u16string_view text)
{
    return TrimGherkinEnd(TrimGherkinStart(text));
}

// Cucumber's columns count characters, so a pair of surrogates is one.
inline int CodePointCount(std::u16string_view text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            ++i;
    }
    return count;
}

// Where the character of a 1-based column starts in the line, in UTF-16
// units; the end of the line for a column beyond it.
inline std::size_t OffsetOfColumn(std::u16string_view line, int column)
{
    std::size_t offset = 0;
    for (int counted = 1; counted < column && offset < line.size(); ++counted)
        offset
            += (IsHighSurrogate(line[offset]) && offset + 1 < line.size() && IsLowSurrogate(line[offset + 1]))
            ? 2
            : 1;
    return offset;
}
