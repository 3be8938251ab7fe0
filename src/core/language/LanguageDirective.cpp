#include "LanguageDirective.h"

#include "KeywordDictionary.h"
#include "WideText.h"

#include <regex>
#include <string_view>

namespace {

// The standard library's matcher recurses once per character it repeats, so
// an endless line would overflow the stack. Only this much of a line is
// searched: no language code comes anywhere near this length.
constexpr std::size_t searchedLength = 1000;

constexpr bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
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

// The name a directive in `text` gives: found anywhere in it, or only right
// at its start.
std::optional<std::u16string> DirectiveName(std::u16string_view text, bool anywhere)
{
    text = text.substr(0, searchedLength);
    // Most lines of a long licence header are no directive, and most files
    // have none: the matcher is not asked about them, nor even built.
    if (text.find(u"language") == std::u16string_view::npos)
        return std::nullopt;
    static const std::wregex directive(L"#\\s*language\\s*:\\s*(.+)[\\r\\n]*");
    const std::wstring wide = ToWide(text);
    std::wsmatch match;
    const auto flags
        = anywhere ? std::regex_constants::match_default : std::regex_constants::match_continuous;
    if (!std::regex_search(wide, match, directive, flags))
        return std::nullopt;
    return FromWide(match.str(1));
}

// A comment, or a line of nothing but white space and its line break.
bool MayStandAboveTheDirective(std::u16string_view content)
{
    return content.empty() || content.front() == u'#' || content == u"\r";
}

} // namespace

std::optional<LanguageDirectiveProblem> ApplyDocumentLanguage(
    Language& language, int lineCount, const LineReader& lineText)
{
    for (int i = 0; i + 1 < lineCount; ++i) {
        const std::u16string line = lineText(i);
        const std::u16string_view content = Content(line, i);
        if (const auto name = i == 0 ? DirectiveName(line, true) : DirectiveName(content, false)) {
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
