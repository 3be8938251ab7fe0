#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How the program breaks its texts into lines. A text that comes in (a file,
// a paste, a doc string's edited text) may end its lines with CR LF, a lone
// LF or a lone CR, and each is one line break. The editor holds three forms
// of a text: the whole text it gives out breaks every line with CR LF; a
// line as the control hands it out ends with one CR; the control itself
// separates its lines by the paragraph mark U+2029.

inline constexpr std::u16string_view WHOLE_TEXT_LINE_BREAK = u"\r\n";
inline constexpr char16_t CONTROL_LINE_END = u'\r';
inline constexpr char16_t PARAGRAPH_MARK = u'\u2029';

// Whether `c` begins a line break.
constexpr bool IsLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// How many units the line break at `at` takes: two for CR LF, one for a lone
// CR or LF, none where no line break stands.
constexpr std::size_t LineBreakLength(std::u16string_view text, std::size_t at)
{
    if (at >= text.size() || !IsLineBreak(text[at]))
        return 0;
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

// Where the first line break at or after `from` stands, or the text's size.
constexpr std::size_t FindLineBreak(std::u16string_view text, std::size_t from)
{
    for (; from < text.size(); ++from)
        if (IsLineBreak(text[from]))
            return from;
    return text.size();
}

// A line as the control hands it out, without the CR it ends with.
constexpr std::u16string_view WithoutControlLineEnd(std::u16string_view line)
{
    return !line.empty() && line.back() == CONTROL_LINE_END ? line.substr(0, line.size() - 1) : line;
}

// Appends a line as the control hands it out to a whole text: the CR it
// ends with as CR LF.
inline void AppendAsWholeLine(std::u16string& text, std::u16string_view line)
{
    const std::u16string_view content = WithoutControlLineEnd(line);
    text += content;
    if (content.size() < line.size())
        text += WHOLE_TEXT_LINE_BREAK;
}
