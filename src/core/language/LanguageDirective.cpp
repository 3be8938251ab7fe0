#include "LanguageDirective.h"

#include "KeywordDictionary.h"

#include <string_view>

namespace {

// Only this much of a line is searched: no language code comes anywhere near
// this length.
constexpr std::size_t searchedLength = 1000;

constexpr bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// The white space the directive's words may be apart by: blank, tab, line
// feed, vertical tab, form feed and carriage return.
constexpr bool IsDirectiveSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// What no name goes on past: a line break of any kind.
constexpr bool EndsName(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

// What stands on a line after its leading blanks and tabs (and, on the first
// line, a byte-order mark).
std::u16string_view Content(std::u16string_view line, int index)
{
    if (index == 0 && !line.empty() && line.front() == u'\uFEFF')
        line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    return line;
}

std::size_t PastDirectiveSpace(std::u16string_view text, std::size_t at)
{
    while (at < text.size() && IsDirectiveSpace(text[at]))
        ++at;
    return at;
}

// The name given by a directive that starts at `at`: "#", "language" and ":",
// each behind any white space, then the name. The name starts behind the
// white space after the colon and runs to the end of its line. When nothing
// but white space follows the colon, the name is the last character of it
// that is no line break, and without one there is no directive.
std::optional<std::u16string> NameOfDirectiveAt(std::u16string_view text, std::size_t at)
{
    constexpr std::u16string_view word = u"language";
    if (text[at] != u'#')
        return std::nullopt;
    at = PastDirectiveSpace(text, at + 1);
    if (text.substr(at, word.size()) != word)
        return std::nullopt;
    at = PastDirectiveSpace(text, at + word.size());
    if (at == text.size() || text[at] != u':')
        return std::nullopt;
    const std::size_t colon = at;
    at = PastDirectiveSpace(text, colon + 1);
    if (at == text.size() || EndsName(text[at])) {
        while (at > colon + 1 && EndsName(text[at - 1]))
            --at;
        if (at == colon + 1)
            return std::nullopt;
        --at;
    }
    std::size_t end = at;
    while (end < text.size() && !EndsName(text[end]))
        ++end;
    return std::u16string(text.substr(at, end - at));
}

// A comment, or a line of nothing but white space and its line break.
bool MayStandAboveTheDirective(std::u16string_view content)
{
    return content.empty() || content.front() == u'#' || content == u"\r";
}

} // namespace

std::optional<std::u16string> LanguageDirectiveName(std::u16string_view text, bool anywhere)
{
    text = text.substr(0, searchedLength);
    if (text.empty())
        return std::nullopt;
    if (!anywhere)
        return NameOfDirectiveAt(text, 0);
    for (std::size_t at = text.find(u'#'); at != std::u16string_view::npos; at = text.find(u'#', at + 1))
        if (auto name = NameOfDirectiveAt(text, at))
            return name;
    return std::nullopt;
}

std::optional<LanguageDirectiveProblem> ApplyDocumentLanguage(
    Language& language, int lineCount, const LineReader& lineText)
{
    for (int i = 0; i + 1 < lineCount; ++i) {
        const std::u16string line = lineText(i);
        const std::u16string_view content = Content(line, i);
        if (const auto name
            = i == 0 ? LanguageDirectiveName(line, true) : LanguageDirectiveName(content, false)) {
            if (SetLanguage(language, *name))
                return std::nullopt;
            return LanguageDirectiveProblem { i, u"Cannot set language to " + *name };
        }
        if (!MayStandAboveTheDirective(content))
            break;
    }
    // A text of one line is left alone; any other without a directive is English.
    if (lineCount > 1)
        SetLanguage(language, u"en");
    return std::nullopt;
}
