#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
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
    // Opening a document reads the text before its first line feed, and
    // nothing when there is none or the text begins with one.
    const std::size_t feed = text.find(u'\n');
    const bool hasFirstLine = feed != std::u16string::npos && feed > 0;
    const std::optional<std::u16string> message = ApplyDocumentLanguage(text);
    if (!hasFirstLine && (message || currentLanguageCode != u"fr"))
        std::abort();

    const std::u16string line = hasFirstLine ? text.substr(0, feed) : text;
    std::optional<std::u16string> unknown;
    if (hasFirstLine) {
        const std::u16string_view prefix = u"Cannot set language to ";
        if (message && !message->starts_with(prefix))
            std::abort();
        if (message)
            unknown = message->substr(prefix.size());
    } else {
        unknown = ApplyLanguageDirective(line);
    }
    if (unknown) {
        // A name the dictionary lacks leaves the language as it was.
        if (unknown->empty() || FindLanguage(*unknown) != -1 || currentLanguageCode != u"fr"
            || line.find(u"language:") == std::u16string::npos)
            std::abort();
    } else if (FindLanguage(currentLanguageCode) == -1) {
        std::abort();
    } else if (line.find(u"language:") == std::u16string::npos && currentLanguageCode != u"en") {
        std::abort();
    }
    return 0;
}
