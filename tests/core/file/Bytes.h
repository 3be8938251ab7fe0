#pragma once

#include <initializer_list>
#include <string>

// A byte string written as numbers, so that zero bytes and bytes above 0x7F
// read plainly in the tests.
inline std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

// The UTF-16 form of a text, unit by unit, in either byte order.
inline std::string Utf16Bytes(const std::u16string& text, bool bigEndian)
{
    std::string bytes;
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes;
}
