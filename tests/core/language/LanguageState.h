#pragma once

#include "core/language/KeywordDictionary.h"

// The program-wide state the program starts in: no language selected.
inline void ForgetCurrentLanguage()
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
}
