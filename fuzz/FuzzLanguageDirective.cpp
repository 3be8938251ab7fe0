#include "core/Surrogates.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

static_assert(sizeof(wchar_t) == 4, "wchar_t must hold a whole code point");

// The text as std::wregex reads it: a pair of surrogates as one code point, a
// lone one as it is.
std::wstring ToWide(std::u16string_view text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            wide.push_back(static_cast<wchar_t>(CombineSurrogates(unit, text[++i])));
        else
            wide.push_back(static_cast<wchar_t>(unit));
    }
    return wide;
}

std::u16string FromWide(std::wstring_view text)
{
    std::u16string narrow;
    for (const wchar_t c : text) {
        const auto point = static_cast<char32_t>(c);
        if (point >= 0x10000) {
            narrow.push_back(HighSurrogateOf(point));
            narrow.push_back(LowSurrogateOf(point));
        } else {
            narrow.push_back(static_cast<char16_t>(point));
        }
    }
    return narrow;
}

// The directive's reading written as a regular expression, which the
// hand-written reading must agree with on every line.
std::optional<std::u16string> NameAsThePatternReadsIt(std::u16string_view line, bool anywhere)
{
    static const std::wregex directive(L"#\\s*language\\s*:\\s*(.+)[\\r\\n]*");
    const std::wstring wide = ToWide(line.substr(0, 1000));
    std::wsmatch match;
    const auto flags
        = anywhere ? std::regex_constants::match_default : std::regex_constants::match_continuous;
    if (!std::regex_search(wide, match, directive, flags))
        return std::nullopt;
    return FromWide(match.str(1));
}

} // namespace

// A whole text (UTF-16, two bytes a unit) whose opening lines may name a language.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    // The lines as the editor's control gives them: each without its line
    // feed, a carriage return before it kept.
    std::vector<std::u16string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t lineFeed = text.find(u'\n', from);
        lines.push_back(
            text.substr(from, lineFeed == std::u16string::npos ? std::u16string::npos : lineFeed - from));
        if (lineFeed == std::u16string::npos)
            break;
        from = lineFeed + 1;
    }
    const int lineCount = static_cast<int>(lines.size());
    for (const std::u16string& line : lines)
        for (const bool anywhere : { true, false })
            if (LanguageDirectiveName(line, anywhere) != NameAsThePatternReadsIt(line, anywhere))
                std::abort();

    // Start from a language other than English, so that a file without a
    // directive visibly switches back.
    Language language;
    if (!SetLanguage(language, u"fr"))
        std::abort();
    const std::optional<LanguageDirectiveProblem> problem = ApplyDocumentLanguage(
        language, lineCount, [&lines](int line) { return lines.at(static_cast<std::size_t>(line)); });
    const std::u16string& code = language.Code();
    if (lineCount == 1) {
        // Only lines that end with a line break are looked at.
        if (problem || code != u"fr")
            std::abort();
        return 0;
    }
    if (problem) {
        // A name the dictionary lacks leaves the language as it was.
        const std::u16string_view prefix = u"Cannot set language to ";
        const std::u16string& message = problem->message;
        if (!message.starts_with(prefix) || message.size() == prefix.size()
            || FindLanguage(message.substr(prefix.size())) != -1 || code != u"fr" || problem->line < 0
            || problem->line >= lineCount - 1
            || lines[static_cast<std::size_t>(problem->line)].find(u"language") == std::u16string::npos)
            std::abort();
        return 0;
    }
    if (FindLanguage(code) == -1)
        std::abort();
    const bool named = std::any_of(lines.begin(), lines.end() - 1,
        [](const std::u16string& line) { return line.find(u"language") != std::u16string::npos; });
    if (!named && code != u"en")
        std::abort();
    return 0;
}
