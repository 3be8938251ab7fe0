#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Turns the bytes of a feature file into the editor's text and back.
//
// Reading: UTF-8 unless the second byte is zero (then UTF-16 little-endian). A
// FF FE mark means UTF-16 little-endian and FE FF big-endian, the mark dropped;
// a first byte of zero followed by a non-zero byte means UTF-16 big-endian.
// Every UTF-16 file, whichever its byte order and whether or not it has a mark,
// is read line by line: a line ends at a line feed, a carriage return just
// before it is dropped, the end of the file ends the last line, and every line
// is given CR LF. A UTF-8 mark is kept as U+FEFF. Files are read whole,
// whatever their size, and a zero byte inside UTF-8 text is kept as U+0000.
// An empty file, and a file of one byte (which holds no whole character),
// give an empty text.
//
// Writing: the text's UTF-8 form, no mark added, no terminator.

enum class FeatureFileEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedFeatureFile {
    std::u16string text;
    FeatureFileEncoding encoding = FeatureFileEncoding::Utf8;
    // Invalid sequences replaced by U+FFFD (one per bad sequence), plus the
    // lone byte of a one-byte file, which gives no character at all. A save
    // would not write those bytes back, so the editor warns.
    std::size_t replacedSequences = 0;
};

DecodedFeatureFile DecodeFeatureFile(std::string_view bytes);
std::string EncodeFeatureFile(const std::u16string& text);

// Reads a whole file. Returns false with a human-readable reason in `error`
// ("No such file or directory", ...) when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);
