#pragma once

// The UTF-16 surrogate rules, shared by the rooms of the core: the file codec
// and the conversion for the regular-expression library each walk pairs.

inline constexpr char16_t REPLACEMENT_CHARACTER = u'\xFFFD';

constexpr bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr bool IsSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The code point of a high and a low surrogate.
constexpr char32_t CombineSurrogates(char32_t high, char32_t low)
{
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The two halves of a code point above U+FFFF.
constexpr char16_t HighSurrogateOf(char32_t point)
{
    return static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
}

constexpr char16_t LowSurrogateOf(char32_t point)
{
    return static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
}
