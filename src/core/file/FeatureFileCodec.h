#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

// Turns the bytes of a feature file into the editor's text and back.
//
// Reading: a FF FE mark means UTF-16 little-endian and FE FF big-endian, the
// mark dropped. Bytes without a mark and without a zero byte are UTF-8, and so
// is a file of one byte; a UTF-8 mark (EF BB BF) is kept as U+FEFF. Bytes
// without a mark that hold zero bytes are UTF-16 when they are well-formed
// UTF-16 of one byte order (an even length, every surrogate paired) and their
// zero bytes stand where the high bytes of that order do: in most characters,
// or, for the scripts beyond Latin, in a good share of them; little-endian is
// tried first. Bytes that fit none of these are read as UTF-8 after all, each
// zero byte kept as U+0000, and the result says so.
//
// Every UTF-16 file, whichever its byte order and whether or not it has a mark,
// is read line by line: a line ends at a line feed, a carriage return just
// before it is dropped, the end of the file ends the last line, and every line
// is given CR LF. Files are read whole, whatever their size.
//
// Writing: the text's UTF-8 form, no mark added, no terminator.

enum class FeatureFileEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedFeatureFile {
    std::u16string text;
    FeatureFileEncoding encoding = FeatureFileEncoding::Utf8;
    // Invalid sequences replaced by U+FFFD, one per bad sequence. A save
    // would not write those bytes back, so the editor warns.
    std::size_t replacedSequences = 0;
    // The bytes hold zero bytes, as no UTF-8 text does, yet are no UTF-16
    // text either, so they were read as UTF-8 as a last resort: the text may
    // not be what the file means, and a save writes this reading over it as
    // UTF-8. The editor warns, as it does for replaced sequences.
    bool unrecognisedEncoding = false;
};

DecodedFeatureFile DecodeFeatureFile(std::string_view bytes);

// The same decoding, the text handed out a piece at a time, each from about
// `pieceBytes` bytes (at least 4): the pieces put together are the text
// DecodeFeatureFile gives, whatever falls on a piece's edge, and the result
// holds the rest (its text stays empty). So a large file's decoded text
// never exists whole. A UTF-16 piece ends with a line, so that a line's
// end is never cut from it. With each piece comes the number of bytes at the
// end of `bytes` not decoded yet: those before them are not read again.
using FeatureFileTextPiece = std::function<void(std::u16string_view piece, std::size_t bytesLeft)>;
DecodedFeatureFile DecodeFeatureFile(
    std::string_view bytes, std::size_t pieceBytes, const FeatureFileTextPiece& piece);
std::string EncodeFeatureFile(const std::u16string& text);

// Reads a whole regular file. Returns false with a human-readable reason in
// `error` ("No such file or directory", ...) when it cannot be read, when it is
// no regular file (a FIFO would wait for a writer, a device may never end), or
// when it turns out to hold more than `maxBytes` while it is read ("File too
// large"), whatever size it gave beforehand.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// ReadFileBytes and DecodeFeatureFile in one, with the same result, but
// without holding all of the file's bytes beside all of its text: a regular
// file is decoded piece by piece as it is read, as long as it is UTF-8 (no
// byte-order mark of UTF-16 and no zero byte); otherwise it is read again
// whole and decoded from all of its bytes.
bool ReadFeatureFile(const std::string& path, DecodedFeatureFile& decoded, std::string& error);
