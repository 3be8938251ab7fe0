#include "core/table/DisplayWidth.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace {

int PropertyWidth(UChar32 c)
{
    const auto category = static_cast<UCharCategory>(u_charType(c));
    if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK
        || u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
        return 0;
    const int syllable = u_getIntPropertyValue(c, UCHAR_HANGUL_SYLLABLE_TYPE);
    if (syllable == U_HST_VOWEL_JAMO || syllable == U_HST_TRAILING_JAMO)
        return 0;
    const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

// The widths of the Basic Multilingual Plane as ICU gives them, each looked
// up once: a column of wide text is measured twice per layout, and four
// property look-ups per character cost more than the rest of the layout. An
// entry holds the width plus one, 0 while not yet looked up; threads that
// meet on an entry store the same value.
std::atomic<std::uint8_t>& CachedWidth(char16_t c)
{
    static std::array<std::atomic<std::uint8_t>, 0x10000> widths {};
    return widths[c];
}

int CharacterWidth(UChar32 c)
{
    if (c > 0xFFFF)
        return PropertyWidth(c);
    std::atomic<std::uint8_t>& cached = CachedWidth(static_cast<char16_t>(c));
    std::uint8_t entry = cached.load(std::memory_order_relaxed);
    if (entry == 0) {
        entry = static_cast<std::uint8_t>(PropertyWidth(c) + 1);
        cached.store(entry, std::memory_order_relaxed);
    }
    return entry - 1;
}

} // namespace

int DisplayWidth(std::u16string_view text)
{
    int width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char16_t unit = text[at];
        // Table text is mostly printable ASCII; it needs no look-up.
        if (unit >= 0x20 && unit < 0x7F) {
            ++width;
            ++at;
            continue;
        }
        UChar32 c = unit;
        ++at;
        if (U16_IS_LEAD(unit) && at < text.size() && U16_IS_TRAIL(text[at]))
            c = U16_GET_SUPPLEMENTARY(unit, text[at++]);
        width += CharacterWidth(c);
    }
    return width;
}

int DisplayColumn(std::u16string_view text, int tabWidth)
{
    tabWidth = std::max(tabWidth, 1);
    int column = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t tab = std::min(text.find(u'\t', start), text.size());
        column += DisplayWidth(text.substr(start, tab - start));
        if (tab == text.size())
            break;
        column += tabWidth - column % tabWidth;
        start = tab + 1;
    }
    return column;
}
