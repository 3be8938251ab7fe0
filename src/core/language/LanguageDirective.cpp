#include "LanguageDirective.h"

#include "KeywordDictionary.h"
#include "WideText.h"

#include <regex>

namespace {

// The standard library's matcher recurses once per character it repeats, so
// an endless first line would overflow the stack. Only this much of the line
// is searched: a directive belongs at the start of the file, and no language
// code comes anywhere near this length.
constexpr std::size_t searchedLength = 1000;

std::u16string LanguageNameIn(std::u16string_view line)
{
    static const std::wregex directive(L"#\\s*language:\\s*(.+)[\\r\\n]*");
    const std::wstring wide = ToWide(line.substr(0, searchedLength));
    std::wsmatch match;
    if (!std::regex_search(wide, match, directive))
        return {};
    return FromWide(match.str(1));
}

} // namespace

std::optional<std::u16string> ApplyLanguageDirective(std::u16string firstLine)
{
    std::u16string name = LanguageNameIn(firstLine);
    if (name.empty()) {
        // A file without a directive is English, whatever was current before.
        SetLanguage(u"en");
        return std::nullopt;
    }
    if (!SetLanguage(name))
        return name;
    return std::nullopt;
}

std::optional<std::u16string> ApplyDocumentLanguage(const std::u16string& wholeText)
{
    const std::size_t lineFeed = wholeText.find(u'\n');
    if (lineFeed == std::u16string::npos || lineFeed == 0)
        return std::nullopt;
    if (const auto unknown = ApplyLanguageDirective(wholeText.substr(0, lineFeed)))
        return u"Cannot set language to " + *unknown;
    return std::nullopt;
}
