#pragma once

#include "Utf16.h"

#include <cstddef>
#include <string_view>

// What the bytes of a file without a byte-order mark say about being UTF-16 of
// one byte order. Most characters of a feature file are blanks, pipes, line
// breaks or letters of Latin script, whose high byte is zero; the letters of
// other scripts have no zero byte, but the blanks, punctuation and line breaks
// around them still do. Text of the other byte order, UTF-8 and binary data
// put their zero bytes elsewhere, or have none.
struct Utf16Evidence {
    bool wellFormed = false; // an even length, every surrogate in a pair
    std::size_t characters = 0; // a pair counts once; U+0000 not at all
    std::size_t highByteZero = 0; // U+0001 .. U+00FF
    std::size_t lowByteZero = 0; // U+0100, U+0200, ... : a zero byte on the wrong side
    bool lineFeed = false;
    bool startsWithHighByteZero = false; // the first unit is U+0001 .. U+00FF
};

// Reading stops at the first unpaired surrogate (the bytes are then not
// well-formed and the counts say nothing).
Utf16Evidence WeighUtf16(std::string_view bytes, ByteOrder order);
