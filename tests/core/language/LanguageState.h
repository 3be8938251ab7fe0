#pragma once

#include "core/language/KeywordDictionary.h"

#include <string>
#include <string_view>
#include <vector>

// The program-wide state the program starts in: no language selected.
inline void ForgetCurrentLanguage()
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
}

// The non-empty keywords of the current language, in slot order.
inline std::vector<std::u16string> CurrentKeywords()
{
    std::vector<std::u16string> words;
    for (const KeywordEntry& slot : currentLanguage.keywords)
        if (!slot.keyword.empty())
            words.push_back(slot.keyword);
    return words;
}

// A code or line for a failure message, escaping what is not printable ASCII.
inline std::string Ascii(std::u16string_view text)
{
    std::string ascii;
    for (const char16_t c : text)
        ascii += c >= 0x20 && c < 0x7F ? std::string(1, char(c)) : "\\u" + std::to_string(unsigned(c));
    return ascii;
}
