#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    const std::size_t lineFeed = text.find(u'\n');
    const std::optional<std::u16string> message = ApplyDocumentLanguage(text);
    if (lineFeed == std::u16string::npos || lineFeed == 0) {
        // Only a first line that ends with a line break is looked at.
        if (message || currentLanguageCode != u"fr")
            std::abort();
        return 0;
    }
    const std::u16string line = text.substr(0, lineFeed);
    if (message) {
        // A name the dictionary lacks leaves the language as it was.
        const std::u16string_view prefix = u"Cannot set language to ";
        if (!message->starts_with(prefix) || message->size() == prefix.size()
            || FindLanguage(message->substr(prefix.size())) != -1 || currentLanguageCode != u"fr"
            || line.find(u"language:") == std::u16string::npos)
            std::abort();
    } else if (FindLanguage(currentLanguageCode) == -1) {
        std::abort();
    } else if (line.find(u"language:") == std::u16string::npos && currentLanguageCode != u"en") {
        std::abort();
    }
    return 0;
}
