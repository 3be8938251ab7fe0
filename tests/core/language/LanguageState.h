#pragma once

#include "core/language/KeywordDictionary.h"

#include <string>
#include <vector>

// The current language is program-wide; each test that depends on it starts
// from the state the program starts in: nothing selected.
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

// A language code for a failure message (codes are ASCII).
inline std::string Ascii(const std::u16string& code)
{
    return std::string(code.begin(), code.end());
}
