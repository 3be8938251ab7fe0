#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Turns the bytes of a feature file into the editor's text and back.
//
// Reading: UTF-8 unless the second byte is zero (then UTF-16 little-endian, read
// line by line, every line ended with CR LF). A FF FE mark means UTF-16
// little-endian and FE FF big-endian, the mark dropped; a first byte of zero
// followed by a non-zero byte means UTF-16 big-endian. A UTF-8 mark is kept as
// U+FEFF. Files are read whole, whatever their size, and a zero byte inside
// UTF-8 text is kept.
//
// Writing: the text's UTF-8 form, no mark added, no terminator.

enum class FeatureFileEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedFeatureFile {
    std::u16string text;
    FeatureFileEncoding encoding = FeatureFileEncoding::Utf8;
    // Invalid sequences replaced by U+FFFD (one per bad sequence). A save
    // would write U+FFFD where those bytes stood, so the editor warns.
    std::size_t replacedSequences = 0;
};

DecodedFeatureFile DecodeFeatureFile(std::string_view bytes);
std::string EncodeFeatureFile(const std::u16string& text);

// Reads a whole file. Returns false with a human-readable reason in `error`
// ("No such file or directory", ...) when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);
