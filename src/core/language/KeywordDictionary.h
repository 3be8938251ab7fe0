#pragma once

#include "WordType.h"

#include <array>
#include <cstdint>
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

// A language's used slots found by how their keyword begins, so that the
// classifier tries only the keywords that may begin a line, whether it reads
// the line as UTF-16 or as UTF-8. Built with the ordered record.
struct KeywordStarts {
    // The used slots grouped by a number from the keyword's first unit:
    // slotIndices[first[n]] up to slotIndices[first[n + 1]] are those of number n, in
    // slot order.
    struct Groups {
        std::array<std::uint8_t, 257> first {};
        std::array<std::uint8_t, KEYWORD_SLOTS> slotIndices {};
    };
    // Numbered by the low byte of the first UTF-16 unit, so a group may also
    // hold keywords that begin with another unit.
    Groups byUtf16Unit;
    // Numbered by the first byte of the keyword's UTF-8 form.
    Groups byUtf8Byte;
    // Each slot's keyword as UTF-8.
    std::array<std::string, KEYWORD_SLOTS> utf8;
    // Their first eight bytes (fewer for a shorter one) as one number, and
    // the bits those bytes take, so that a keyword is mostly compared with a
    // line at once.
    std::array<std::uint64_t, KEYWORD_SLOTS> utf8Head {};
    std::array<std::uint64_t, KEYWORD_SLOTS> utf8HeadBits {};
    // The same of the first four units of each slot's keyword as UTF-16.
    std::array<std::uint64_t, KEYWORD_SLOTS> utf16Head {};
    std::array<std::uint64_t, KEYWORD_SLOTS> utf16HeadBits {};
    // An empty slot ends the classifier's walk when no keyword begins the
    // line; every record has one.
    bool hasEmptySlot = true;
};

struct LanguageListEntry {
    std::u16string code;
    std::u16string englishName;
};

// The built-in dictionary, 76 records in the order the editor offers them ("mr" last).
extern const std::array<LanguageKeywords, LANGUAGE_COUNT> languageTable;
// Same order as languageTable.
extern const std::array<LanguageListEntry, LANGUAGE_COUNT> languageList;

// The language a text is read in, a value its holder passes to whatever
// reads the text (the editor holds its one current language, quillmark-cli
// one for each file): the dictionary record it selected, its slots ordered
// longest keyword first, and the code most recently given for selection.
// Copying one is cheap; the ordered records are built once for the process
// and shared.
class Language {
public:
    // No language yet: every slot empty, so no keyword is recognised, and an
    // empty code. What holds until the first successful SetLanguage.
    Language() = default;

    // The selected record, slots longest keyword first; all empty before any
    // selection.
    // Asked for every line the classifier reads, so inline.
    const LanguageKeywords& Keywords() const { return m_keywords != nullptr ? *m_keywords : NoKeywords(); }
    // The same slots by how their keywords begin.
    const KeywordStarts& Starts() const { return m_starts != nullptr ? *m_starts : NoStarts(); }
    // The code most recently given for selection, known or not.
    const std::u16string& Code() const { return m_code; }

private:
    friend bool SetLanguage(Language& language, std::u16string code);
    friend void SelectLanguageSetting(Language& language, const std::u16string& code);

    // The empty slots of no language.
    static const LanguageKeywords& NoKeywords();
    static const KeywordStarts& NoStarts();

    const LanguageKeywords* m_keywords = nullptr;
    const KeywordStarts* m_starts = nullptr;
    std::u16string m_code;
};

// A fresh Language with `code` selected: no language when no record has it.
Language LanguageOf(std::u16string code);

// Makes the record whose code equals `code` exactly (case-sensitive, whole
// string) `language`'s own and returns true; returns false and changes
// nothing otherwise.
bool SetLanguage(Language& language, std::u16string code);

// The road of the language setting, at start-up and after the Settings
// command: the code is recorded as the language's code whether or not a
// record has it, then selected. An unknown code leaves the keywords as they
// were, so a new document shows that code on its language line and finds no
// keyword for its templates.
void SelectLanguageSetting(Language& language, const std::u16string& code);

// The keyword of the first slot of the language with that type, in its
// sorted order, or "WORD TYPE NOT FOUND". XXXXXXXXX gives "" once a language
// is selected (every record has empty slots).
std::u16string KeywordForType(const Language& language, WordType type);

// Index of the record with that code in languageTable, or -1.
int FindLanguage(const std::u16string& code);
