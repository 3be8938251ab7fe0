#include "WideText.h"

#include "core/Surrogates.h"

static_assert(sizeof(wchar_t) == 4, "wchar_t must hold a whole code point");

std::wstring ToWide(std::u16string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            wide.push_back(static_cast<wchar_t>(CombineSurrogates(unit, text[++i])));
        } else {
            wide.push_back(static_cast<wchar_t>(unit));
        }
    }
    return wide;
}

std::u16string FromWide(std::wstring_view text)
{
    std::u16string narrow;
    narrow.reserve(text.size());
    for (const wchar_t c : text) {
        const auto point = static_cast<char32_t>(c);
        if (point >= 0x10000 && point <= 0x10FFFF) {
            narrow.push_back(HighSurrogateOf(point));
            narrow.push_back(LowSurrogateOf(point));
        } else {
            narrow.push_back(static_cast<char16_t>(point));
        }
    }
    return narrow;
}
