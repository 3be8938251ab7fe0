#include "KeywordDictionary.h"

#include <utility>

LanguageKeywords currentLanguage;
std::u16string currentLanguageCode;

int FindLanguage(const std::u16string& code)
{
    for (int i = 0; i < LANGUAGE_COUNT; ++i)
        if (languageTable[i].code == code)
            return i;
    return -1;
}

bool SetLanguage(std::u16string code)
{
    const int index = FindLanguage(code);
    if (index < 0)
        return false;
    currentLanguage = languageTable[index];
    currentLanguageCode = std::move(code);

    // This exact exchange pass (not a sort) decides the order of keywords of
    // equal length, and so which keyword KeywordForType gives the templates.
    // It leaves the lengths non-increasing, so the classifier's first match is
    // the longest keyword that starts the line.
    auto& slots = currentLanguage.keywords;
    for (int i = 0; i < KEYWORD_SLOTS; ++i)
        for (int j = 0; j < KEYWORD_SLOTS; ++j)
            if (slots[i].keyword.size() > slots[j].keyword.size())
                std::swap(slots[i], slots[j]);
    return true;
}

void SelectLanguageSetting(const std::u16string& code)
{
    currentLanguageCode = code;
    SetLanguage(code);
}

std::u16string KeywordForType(WordType type)
{
    for (const KeywordEntry& slot : currentLanguage.keywords)
        if (slot.type == type)
            return slot.keyword;
    return u"WORD TYPE NOT FOUND";
}
