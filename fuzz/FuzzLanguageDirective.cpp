#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A whole text (UTF-16, two bytes a unit) whose opening lines may name a language.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const TextLineSource source(text);

    // Start from a language other than English, so that a file without a
    // directive visibly switches back.
    if (!SetLanguage(u"fr"))
        std::abort();
    const auto problem
        = ApplyDocumentLanguage(source.lineCount(), [&source](int line) { return source.lineText(line); });
    if (source.lineCount() == 1) {
        // A text of one line, which no line break closes, is left alone.
        if (problem || currentLanguageCode != u"fr")
            std::abort();
        return 0;
    }
    if (problem) {
        // A name the dictionary lacks leaves the language as it was, and the
        // line named holds the directive.
        const std::u16string_view prefix = u"Cannot set language to ";
        if (!problem->message.starts_with(prefix) || problem->message.size() == prefix.size()
            || FindLanguage(problem->message.substr(prefix.size())) != -1 || currentLanguageCode != u"fr"
            || problem->line < 0 || problem->line + 1 >= source.lineCount()
            || source.lineText(problem->line).find(u"language") == std::u16string::npos)
            std::abort();
    } else if (FindLanguage(currentLanguageCode) == -1) {
        std::abort();
    } else if (text.find(u"language") == std::u16string::npos && currentLanguageCode != u"en") {
        std::abort();
    }
    return 0;
}
