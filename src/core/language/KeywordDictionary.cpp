#include "KeywordDictionary.h"

#include "core/Surrogates.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

std::string ToUtf8(std::u16string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t point = text[i];
        if (IsHighSurrogate(point) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            point = CombineSurrogates(point, text[++i]);
        char form[4];
        bytes.append(form, PutUtf8(point, form));
    }
    return bytes;
}

// Groups the used slots by the number `numberOf` gives each keyword.
template <typename NumberOf>
KeywordStarts::Groups GroupedSlots(const LanguageKeywords& record, NumberOf numberOf)
{
    KeywordStarts::Groups groups;
    std::array<int, 257> counts {};
    for (const KeywordEntry& slot : record.keywords)
        if (!slot.keyword.empty())
            ++counts[numberOf(slot) + 1];
    for (int n = 0; n < 256; ++n)
        counts[n + 1] += counts[n];
    for (int n = 0; n < 257; ++n)
        groups.first[n] = static_cast<std::uint8_t>(counts[n]);
    for (int i = 0; i < KEYWORD_SLOTS; ++i)
        if (!record.keywords[i].keyword.empty())
            groups.slotIndices[counts[numberOf(record.keywords[i])]++] = static_cast<std::uint8_t>(i);
    return groups;
}

KeywordStarts StartsOf(const LanguageKeywords& record)
{
    KeywordStarts starts;
    starts.hasEmptySlot = false;
    for (int i = 0; i < KEYWORD_SLOTS; ++i) {
        starts.utf8[i] = ToUtf8(record.keywords[i].keyword);
        const std::size_t head = std::min<std::size_t>(starts.utf8[i].size(), sizeof(std::uint64_t));
        std::memcpy(&starts.utf8Head[i], starts.utf8[i].data(), head);
        std::memset(&starts.utf8HeadBits[i], 0xFF, head);
        const std::u16string& keyword = record.keywords[i].keyword;
        const std::size_t units = std::min(keyword.size(), sizeof(std::uint64_t) / sizeof(char16_t));
        std::memcpy(&starts.utf16Head[i], keyword.data(), units * sizeof(char16_t));
        std::memset(&starts.utf16HeadBits[i], 0xFF, units * sizeof(char16_t));
        starts.hasEmptySlot = starts.hasEmptySlot || record.keywords[i].keyword.empty();
    }
    starts.byUtf16Unit
        = GroupedSlots(record, [](const KeywordEntry& slot) { return slot.keyword.front() & 0xFF; });
    starts.byUtf8Byte = GroupedSlots(record, [&record, &starts](const KeywordEntry& slot) {
        return static_cast<unsigned char>(starts.utf8[&slot - record.keywords.data()].front());
    });
    return starts;
}

// A record with its slots in the classifier's order, and its slots by how
// their keywords begin.
struct OrderedRecord {
    LanguageKeywords keywords;
    KeywordStarts starts;
};

// The record `index` in the classifier's order. This exact exchange pass
// (not a sort) decides the order of keywords of equal length, and so which
// keyword KeywordForType gives the templates. It leaves the lengths
// non-increasing, so the classifier's first match is the longest keyword
// that starts the line. Each record is built on its first use, once for the
// whole process, and never changed after: a run reads one or two languages
// of the many.
const OrderedRecord& Ordered(int index)
{
    // Empty until built, so that the records a run never reads cost nothing.
    static std::array<std::optional<OrderedRecord>, LANGUAGE_COUNT> records;
    static std::array<std::once_flag, LANGUAGE_COUNT> built;
    std::call_once(built[index], [index] {
        OrderedRecord& record = records[index].emplace();
        record.keywords = languageTable[index];
        auto& slots = record.keywords.keywords;
        for (int i = 0; i < KEYWORD_SLOTS; ++i)
            for (int j = 0; j < KEYWORD_SLOTS; ++j)
                if (slots[i].keyword.size() > slots[j].keyword.size())
                    std::swap(slots[i], slots[j]);
        record.starts = StartsOf(record.keywords);
    });
    return *records[index];
}

} // namespace

const LanguageKeywords& Language::NoKeywords()
{
    static const LanguageKeywords none;
    return none;
}

const KeywordStarts& Language::NoStarts()
{
    static const KeywordStarts none;
    return none;
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
    const OrderedRecord& record = Ordered(index);
    language.m_keywords = &record.keywords;
    language.m_starts = &record.starts;
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
