#pragma once

#include "WordType.h"

#include <array>
#include <string>

inline constexpr int KEYWORD_SLOTS = 50;
inline constexpr int LANGUAGE_COUNT = 76;

struct KeywordEntry {
    WordType type = XXXXXXXXX;
    std::u16string keyword; // empty for an empty slot
};

// One language of the dictionary. Used slots come first, grouped by type in the
// published table's key order; the rest are empty slots.
struct LanguageKeywords {
    std::u16string code; // "en", "fr", "zh-CN", ...
    std::u16string englishName; // "English", "French", ...
    std::u16string nativeName; // "English", "français", ...
    std::array<KeywordEntry, KEYWORD_SLOTS> keywords;
};

struct LanguageListEntry {
    std::u16string code;
    std::u16string englishName;
};

// The built-in dictionary, 76 records in the order the editor offers them ("mr" last).
extern const std::array<LanguageKeywords, LANGUAGE_COUNT> languageTable;
// Same order as languageTable.
extern const std::array<LanguageListEntry, LANGUAGE_COUNT> languageList;

// The one current language: a copy of the selected record with its slots
// re-ordered longest keyword first. Empty (every slot empty) until the first
// successful SetLanguage.
extern LanguageKeywords currentLanguage;
// The code most recently given for selection; starts empty. Only the two
// functions below write it.
extern std::u16string currentLanguageCode;

// Makes the record whose code equals `code` exactly (case-sensitive, whole
// string) current and returns true; returns false and changes nothing otherwise.
bool SetLanguage(std::u16string code);

// The road of the language setting, at start-up and after the Settings
// command: the code is recorded as current whether or not a language has it,
// then selected. An unknown code leaves the keywords as they were, so a new
// document shows that code on its language line and finds no keyword for
// its templates.
void SelectLanguageSetting(const std::u16string& code);

// The keyword of the first slot of currentLanguage with that type, in its
// sorted order, or "WORD TYPE NOT FOUND". XXXXXXXXX gives "" once a language is
// current (every record has empty slots).
std::u16string KeywordForType(WordType type);

// Index of the record with that code in languageTable, or -1.
int FindLanguage(const std::u16string& code);
