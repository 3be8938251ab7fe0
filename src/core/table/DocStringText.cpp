#include "core/table/DocStringText.h"

#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <cstddef>

namespace {

bool IsDelimiterLine(std::u16string_view line)
{
    return TrimWhiteSpace(line).starts_with(DOC_STRING_DELIMITER);
}

// The line without its carriage returns and without at most `indent` of its
// leading blanks and tabs.
std::u16string ContentOf(std::u16string_view line, int indent)
{
    std::u16string content;
    content.reserve(line.size());
    for (char16_t c : line)
        if (c != u'\r')
            content += c;
    const std::size_t indentation = std::min(content.find_first_not_of(u" \t"), content.size());
    content.erase(0, std::min(indentation, static_cast<std::size_t>(std::max(indent, 0))));
    return content;
}

} // namespace

std::u16string DocStringLinesToText(const LineList& lines, int indent)
{
    std::size_t first = 0;
    std::size_t end = lines.size();
    if (end > first && IsDelimiterLine(lines[first]))
        ++first;
    if (end > first && IsDelimiterLine(lines[end - 1]))
        --end;
    std::u16string text;
    for (std::size_t k = first; k < end; ++k) {
        text += ContentOf(lines[k], indent);
        text += u"\r\n";
    }
    return text;
}

std::u16string DocStringOpening(const LineList& lines)
{
    if (lines.empty() || !IsDelimiterLine(lines.front()))
        return std::u16string(DOC_STRING_DELIMITER);
    return std::u16string(TrimWhiteSpace(lines.front()));
}

LineList TextToDocStringLines(std::u16string_view text, std::u16string_view opening)
{
    LineList lines { std::u16string(opening) };
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of(u"\r\n", at), text.size());
        lines.emplace_back(text.substr(at, lineEnd - at));
        at = lineEnd;
        if (at < text.size() && text[at] == u'\r')
            ++at;
        if (at < text.size() && text[at] == u'\n')
            ++at;
    }
    lines.emplace_back(DOC_STRING_DELIMITER);
    return lines;
}
