#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ByteOrder { LittleEndian, BigEndian };

// The `index`th UTF-16 unit of `bytes`, read in `order`.
inline char16_t Utf16UnitAt(std::string_view bytes, std::size_t index, ByteOrder order)
{
    const auto first = static_cast<unsigned char>(bytes[2 * index]);
    const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
    return order == ByteOrder::LittleEndian ? static_cast<char16_t>(first | (second << 8))
                                            : static_cast<char16_t>((first << 8) | second);
}

// Appends the UTF-16 text held in `bytes` to `text`. A surrogate without its
// partner and an odd byte at the end each become one U+FFFD, so that nothing
// is dropped without a trace. Returns the number of replacements made.
std::size_t AppendUtf16Bytes(std::string_view bytes, ByteOrder order, std::u16string& text);
