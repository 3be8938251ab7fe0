#pragma once

#include "core/CucumberSpace.h"
#include "core/Surrogates.h"

#include <cstddef>
#include <string_view>

inline std::u16string_view TrimGherkinStart(std::u16string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsCucumberSpace(text[start]))
        ++start;
    return text.substr(start);
}

inline std::u16string_view TrimGherkinEnd(std::u16string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsCucumberSpace(text[end - 1]))
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
