#include "core/table/DocStringText.h"

#include "core/LineBreaks.h"
#include "core/editor/DocStringIndent.h"
#include "core/table/BlockText.h"

#include <algorithm>
#include <cstddef>

namespace {

// \"\"\" for """, \`\`\` for ```.
std::u16string Escaped(std::u16string_view delimiter)
{
    std::u16string escaped;
    for (char16_t c : delimiter) {
        escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// The content Cucumber reads from a content line once its indentation is
// cut: the first escaped delimiter, wherever it stands, is the delimiter.
std::u16string Unescaped(std::u16string_view content, std::u16string_view delimiter)
{
    std::u16string text(content);
    const std::u16string escaped = Escaped(delimiter);
    if (const std::size_t at = text.find(escaped); at != std::u16string::npos)
        text.replace(at, escaped.size(), delimiter);
    return text;
}

// Whether Cucumber takes the line for a delimiter that closes the doc string.
bool Closes(std::u16string_view line, std::u16string_view delimiter)
{
    std::size_t first = 0;
    while (first < line.size() && IsCucumberSpace(line[first]))
        ++first;
    return line.substr(first).starts_with(delimiter);
}

// The content line, without indentation, that Cucumber reads as `wanted`:
// the line itself, or, when it would end the doc string or holds an escape,
// the line with its first delimiter escaped. That escape is the first in the
// line, and the line no longer starts with the delimiter: a piece of an
// escape just before it would end in the delimiter's character, which would
// have made the delimiter begin one character earlier. None when the line
// holds an escape with no delimiter in front of it: Cucumber reads the first
// escape as the delimiter, whatever is written.
std::optional<std::u16string> ContentLineFor(std::u16string_view wanted, std::u16string_view delimiter)
{
    const std::u16string escaped = Escaped(delimiter);
    const std::size_t escapeAt = wanted.find(escaped);
    if (escapeAt == std::u16string_view::npos && !Closes(wanted, delimiter))
        return std::u16string(wanted);
    const std::size_t delimiterAt = wanted.find(delimiter);
    if (delimiterAt == std::u16string_view::npos || delimiterAt > escapeAt)
        return std::nullopt;
    std::u16string line(wanted.substr(0, delimiterAt));
    line += escaped;
    line += wanted.substr(delimiterAt + delimiter.size());
    return line;
}

} // namespace

std::u16string_view DocStringDelimiterOf(const LineList& lines)
{
    if (!lines.empty()) {
        const std::u16string_view first = lines.front();
        const std::size_t at = first.find_first_not_of(u" \t");
        if (at != std::u16string_view::npos && first.substr(at).starts_with(DOC_STRING_BACKTICKS))
            return DOC_STRING_BACKTICKS;
    }
    return DOC_STRING_DELIMITER;
}

std::u16string DocStringLinesToText(const LineList& lines, int indent)
{
    const std::u16string_view delimiter = DocStringDelimiterOf(lines);
    std::u16string text;
    for (std::size_t k = 1; k + 1 < lines.size(); ++k) {
        const std::u16string_view line = WithoutControlLineEnd(lines[k]);
        text += Unescaped(line.substr(DocStringContentStart(line, indent)), delimiter);
        text += WHOLE_TEXT_LINE_BREAK;
    }
    return text;
}

LineList DocStringTextLines(std::u16string_view text)
{
    LineList lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineEnd = FindLineBreak(text, at);
        lines.emplace_back(text.substr(at, lineEnd - at));
        at = lineEnd + LineBreakLength(text, lineEnd);
    }
    return lines;
}

std::optional<std::size_t> UnwritableDocStringLine(std::u16string_view text, std::u16string_view delimiter)
{
    const LineList lines = DocStringTextLines(text);
    for (std::size_t k = 0; k < lines.size(); ++k)
        if (!ContentLineFor(lines[k], delimiter))
            return k;
    return std::nullopt;
}

std::u16string BuildDocStringText(std::u16string_view text, const BlockLocation& block)
{
    const std::u16string_view delimiter = DocStringDelimiterOf(block.lines);
    const bool isNew = block.start == block.end;
    const LineList wanted = DocStringTextLines(text);
    // The content lines as they stand and as Cucumber reads them.
    const std::size_t count = !isNew && block.lines.size() >= 2 ? block.lines.size() - 2 : 0;
    LineList stand, read;
    for (std::size_t k = 0; k < count; ++k) {
        stand.emplace_back(WithoutControlLineEnd(block.lines[k + 1]));
        read.push_back(Unescaped(
            std::u16string_view(stand.back()).substr(DocStringContentStart(stand.back(), block.indent)),
            delimiter));
    }
    // Lines unchanged at either end keep their bytes, whatever indentation or
    // escapes they were written with.
    std::size_t same = 0;
    while (same < count && same < wanted.size() && wanted[same] == read[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (same + sameAtEnd < count && same + sameAtEnd < wanted.size()
        && wanted[wanted.size() - 1 - sameAtEnd] == read[count - 1 - sameAtEnd])
        ++sameAtEnd;

    // A new doc string's delimiters go where the step's keyword stands.
    const std::u16string newDelimiter = block.indentation + std::u16string(DOC_STRING_DELIMITER);
    LineList lines;
    lines.emplace_back(isNew ? newDelimiter : WithoutControlLineEnd(block.lines.front()));
    lines.insert(lines.end(), stand.begin(), stand.begin() + static_cast<std::ptrdiff_t>(same));
    for (std::size_t k = same; k + sameAtEnd < wanted.size(); ++k) {
        if (wanted[k].empty()) {
            lines.emplace_back();
            continue;
        }
        // The dialog lets no line through that cannot be written; should one
        // come, it goes in as typed rather than be lost.
        lines.push_back(block.indentation + ContentLineFor(wanted[k], delimiter).value_or(wanted[k]));
    }
    lines.insert(lines.end(), stand.end() - static_cast<std::ptrdiff_t>(sameAtEnd), stand.end());
    lines.emplace_back(isNew ? newDelimiter : WithoutControlLineEnd(block.lines.back()));

    // The lines carry their own indentation. An existing doc string is
    // followed by what followed it; a new one as any new block.
    BlockLocation written = block;
    written.indentation.clear();
    written.indent = 0;
    if (!isNew)
        written.emptyLineAfter = true;
    return BuildBlockText(lines, written);
}
