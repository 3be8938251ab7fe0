#pragma once

// The forms of a code point that the rooms of the core share: the UTF-16
// surrogate rules, which the file codec, the dictionary and the Gherkin text
// each walk pairs by, and the UTF-8 bytes of one code point.

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

// The UTF-8 form of one code point at `out`; returns the end.
constexpr char* PutUtf8(char32_t value, char* out)
{
    if (value < 0x80) {
        *out++ = static_cast<char>(value);
    } else if (value < 0x800) {
        *out++ = static_cast<char>(0xC0 | (value >> 6));
        *out++ = static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (value >> 12));
        *out++ = static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (value & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (value >> 18));
        *out++ = static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (value & 0x3F));
    }
    return out;
}
