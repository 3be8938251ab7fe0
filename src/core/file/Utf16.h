#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ByteOrder { LittleEndian, BigEndian };

// Appends the UTF-16 text held in `bytes` to `text`. A surrogate without its
// partner and an odd byte at the end each become one U+FFFD, so that nothing
// is dropped without a trace. Returns the number of replacements made.
std::size_t AppendUtf16Bytes(std::string_view bytes, ByteOrder order, std::u16string& text);
