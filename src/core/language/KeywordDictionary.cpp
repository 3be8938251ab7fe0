#include "KeywordDictionary.h"

#include <utility>

namespace {

// The records with their slots in the classifier's order. This exact exchange
// pass (not a sort) decides the order of keywords of equal length, and so
// which keyword KeywordForType gives the templates. It leaves the lengths
// non-increasing, so the classifier's first match is the longest keyword that
// starts the line. Built on first use, once for the whole process, and never
// changed after.
const std::array<LanguageKeywords, LANGUAGE_COUNT>& OrderedLanguages()
{
    static const std::array<LanguageKeywords, LANGUAGE_COUNT> ordered = [] {
        std::array<LanguageKeywords, LANGUAGE_COUNT> records = languageTable;
        for (LanguageKeywords& record : records) {
            auto& slots = record.keywords;
            for (int i = 0; i < KEYWORD_SLOTS; ++i)
                for (int j = 0; j < KEYWORD_SLOTS; ++j)
                    if (slots[i].keyword.size() > slots[j].keyword.size())
                        std::swap(slots[i], slots[j]);
        }
        return records;
    }();
    return ordered;
}

} // namespace

const LanguageKeywords& Language::Keywords() const
{
    static const LanguageKeywords none;
    return m_keywords != nullptr ? *m_keywords : none;
}

int FindLanguage(const std::u16string& code)
{
    for (int i = 0; i < LANGUAGE_COUNT; ++i)
        if (languageTable[i].code == code)
            return i;
    return -1;
}

bool SetLanguage(Language& language, std::u16string code)
{
    const int index = FindLanguage(code);
    if (index < 0)
        return false;
    language.m_keywords = &OrderedLanguages()[index];
    language.m_code = std::move(code);
    return true;
}

Language LanguageOf(std::u16string code)
{
    Language language;
    SetLanguage(language, std::move(code));
    return language;
}

void SelectLanguageSetting(Language& language, const std::u16string& code)
{
    language.m_code = code;
    SetLanguage(language, code);
}

std::u16string KeywordForType(const Language& language, WordType type)
{
    for (const KeywordEntry& slot : language.Keywords().keywords)
        if (slot.type == type)
            return slot.keyword;
    return u"WORD TYPE NOT FOUND";
}
