#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A whole text (UTF-16, two bytes a unit) whose first line may name a language.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    // Start from a language other than English, so that a file without a
    // directive visibly switches back.
    if (!SetLanguage(u"fr"))
        std::abort();
    // Only a first line that a line feed ends, and that is not empty, is read.
    const std::size_t lineFeed = text.find(u'\n');
    const bool hasFirstLine = lineFeed != std::u16string::npos && lineFeed > 0;
    const std::u16string line = hasFirstLine ? text.substr(0, lineFeed) : std::u16string();
    const std::optional<std::u16string> message = ApplyDocumentLanguage(text);
    if (message) {
        // A name the dictionary lacks leaves the language as it was.
        if (!message->starts_with(u"Cannot set language to ") || currentLanguageCode != u"fr"
            || line.find(u"language:") == std::u16string::npos)
            std::abort();
    } else if (FindLanguage(currentLanguageCode) == -1) {
        std::abort();
    } else if (!hasFirstLine && currentLanguageCode != u"fr") {
        std::abort();
    } else if (hasFirstLine && line.find(u"language:") == std::u16string::npos
        && currentLanguageCode != u"en") {
        std::abort();
    }
    return 0;
}
