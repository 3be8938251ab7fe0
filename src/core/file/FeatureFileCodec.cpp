#include "FeatureFileCodec.h"

#include "Utf16.h"
#include "Utf16Evidence.h"
#include "Utf8.h"
#include "core/Surrogates.h"

#include <algorithm>

namespace {

// UTF-16 files reach the editor the way a line reader hands them over: each
// line, with the CR of a CR LF dropped, followed by CR LF. A CR that does not
// stand before a LF stays in the line.
std::u16string WithCrLfLineEnds(const std::u16string& units)
{
    std::u16string text;
    text.reserve(units.size() + units.size() / 16 + 2);
    std::size_t lineBegin = 0;
    while (lineBegin < units.size()) {
        std::size_t feed = units.find(u'\n', lineBegin);
        const bool lastLine = feed == std::u16string::npos;
        std::size_t lineEnd = lastLine ? units.size() : feed;
        if (!lastLine && lineEnd > lineBegin && units[lineEnd - 1] == u'\r')
            --lineEnd;
        text.append(units, lineBegin, lineEnd - lineBegin);
        text.append(u"\r\n");
        lineBegin = lastLine ? units.size() : feed + 1;
    }
    return text;
}

DecodedFeatureFile DecodeUtf16(std::string_view bytes, FeatureFileEncoding encoding)
{
    const ByteOrder order
        = encoding == FeatureFileEncoding::Utf16BigEndian ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    DecodedFeatureFile decoded;
    decoded.encoding = encoding;
    std::u16string units;
    decoded.replacedSequences = AppendUtf16Bytes(bytes, order, units);
    decoded.text = WithCrLfLineEnds(units);
    return decoded;
}

// Whether bytes without a mark are UTF-16 of that order, judged by where their
// zero bytes stand: yes, no, or only if the same bytes are no valid UTF-8.
enum class Utf16Verdict { No, Yes, UnlessUtf8 };

Utf16Verdict JudgeUtf16(std::string_view bytes, ByteOrder order)
{
    const Utf16Evidence evidence = WeighUtf16(bytes, order);
    if (!evidence.wellFormed || evidence.highByteZero == 0)
        return Utf16Verdict::No;
    // Latin script: one byte of most characters is zero.
    if (2 * evidence.highByteZero > evidence.characters)
        return Utf16Verdict::Yes;
    // Other scripts: the blanks, punctuation and line breaks still give a zero
    // high byte to a good share of the characters, and hardly any character
    // has its zero on the other side. A short line holds too few of them to
    // tell by the share alone; it also needs a line break, or a first
    // character of Latin script (which the reader has always taken for the
    // sign of UTF-16), or bytes that are no UTF-8.
    const bool oneSided = evidence.highByteZero >= 4 * evidence.lowByteZero;
    const bool goodShare = 8 * evidence.highByteZero >= evidence.characters;
    if (!oneSided || !goodShare)
        return Utf16Verdict::No;
    if (evidence.lineFeed || evidence.startsWithHighByteZero)
        return Utf16Verdict::Yes;
    return Utf16Verdict::UnlessUtf8;
}

} // namespace

DecodedFeatureFile DecodeFeatureFile(std::string_view bytes)
{
    if (bytes.size() >= 2) {
        const auto first = static_cast<unsigned char>(bytes[0]);
        const auto second = static_cast<unsigned char>(bytes[1]);
        if (first == 0xFF && second == 0xFE)
            return DecodeUtf16(bytes.substr(2), FeatureFileEncoding::Utf16LittleEndian);
        if (first == 0xFE && second == 0xFF)
            return DecodeUtf16(bytes.substr(2), FeatureFileEncoding::Utf16BigEndian);
    }

    // UTF-8 text has no zero bytes; UTF-16 text of a feature file has many.
    const bool zeroBytes = bytes.find('\0') != std::string_view::npos;
    Utf16Verdict littleEndian = Utf16Verdict::No;
    Utf16Verdict bigEndian = Utf16Verdict::No;
    if (zeroBytes) {
        littleEndian = JudgeUtf16(bytes, ByteOrder::LittleEndian);
        if (littleEndian == Utf16Verdict::Yes)
            return DecodeUtf16(bytes, FeatureFileEncoding::Utf16LittleEndian);
        bigEndian = JudgeUtf16(bytes, ByteOrder::BigEndian);
        if (bigEndian == Utf16Verdict::Yes && littleEndian == Utf16Verdict::No)
            return DecodeUtf16(bytes, FeatureFileEncoding::Utf16BigEndian);
    }

    DecodedFeatureFile decoded;
    decoded.replacedSequences = AppendUtf8AsUtf16(bytes, decoded.text);
    if (!zeroBytes)
        return decoded;
    // Little-endian is tried first here too.
    const bool utf8Fits = decoded.replacedSequences == 0;
    if (!utf8Fits && littleEndian == Utf16Verdict::UnlessUtf8)
        return DecodeUtf16(bytes, FeatureFileEncoding::Utf16LittleEndian);
    if (bigEndian == Utf16Verdict::Yes || (!utf8Fits && bigEndian == Utf16Verdict::UnlessUtf8))
        return DecodeUtf16(bytes, FeatureFileEncoding::Utf16BigEndian);
    decoded.unrecognisedEncoding = true;
    return decoded;
}

namespace {

// UTF-8 a piece at a time: a sequence that a piece's end cuts goes with the
// next piece, which decodes the bytes as all at once.
std::size_t DecodeUtf8Pieces(
    std::string_view bytes, std::size_t pieceBytes, const FeatureFileTextPiece& piece)
{
    std::u16string text;
    std::size_t replaced = 0;
    while (!bytes.empty()) {
        std::size_t length = std::min(pieceBytes, bytes.size());
        if (length < bytes.size())
            length -= OpenUtf8Sequence(bytes.substr(0, length));
        text.clear();
        replaced += AppendUtf8AsUtf16(bytes.substr(0, length), text);
        bytes.remove_prefix(length);
        if (piece)
            piece(text, bytes.size());
    }
    return replaced;
}

// UTF-16 a piece at a time: a high surrogate at a piece's end waits for its
// partner, and the part of a line not ended yet for the rest of the line, so
// that each line is given its CR LF as when all the bytes are read at once.
std::size_t DecodeUtf16Pieces(
    std::string_view bytes, ByteOrder order, std::size_t pieceBytes, const FeatureFileTextPiece& piece)
{
    pieceBytes = std::max<std::size_t>(pieceBytes & ~std::size_t(1), 4);
    std::u16string units;
    std::size_t replaced = 0;
    while (!bytes.empty()) {
        std::size_t length = std::min(pieceBytes, bytes.size());
        if (length < bytes.size() && IsHighSurrogate(Utf16UnitAt(bytes, length / 2 - 1, order)))
            length -= 2;
        replaced += AppendUtf16Bytes(bytes.substr(0, length), order, units);
        bytes.remove_prefix(length);
        const std::size_t feed = units.rfind(u'\n');
        const std::size_t lines
            = bytes.empty() ? units.size() : (feed == std::u16string::npos ? 0 : feed + 1);
        if (lines > 0) {
            piece(WithCrLfLineEnds(units.substr(0, lines)), bytes.size());
            units.erase(0, lines);
        }
    }
    return replaced;
}

} // namespace

DecodedFeatureFile DecodeFeatureFile(
    std::string_view bytes, std::size_t pieceBytes, const FeatureFileTextPiece& piece)
{
    pieceBytes = std::max<std::size_t>(pieceBytes, 4);
    const auto utf16 = [&](std::string_view units, FeatureFileEncoding encoding) {
        DecodedFeatureFile decoded;
        decoded.encoding = encoding;
        const ByteOrder order = encoding == FeatureFileEncoding::Utf16BigEndian ? ByteOrder::BigEndian
                                                                                : ByteOrder::LittleEndian;
        decoded.replacedSequences = DecodeUtf16Pieces(units, order, pieceBytes, piece);
        return decoded;
    };
    // The decisions are DecodeFeatureFile's, in the same order.
    if (bytes.size() >= 2) {
        const auto first = static_cast<unsigned char>(bytes[0]);
        const auto second = static_cast<unsigned char>(bytes[1]);
        if (first == 0xFF && second == 0xFE)
            return utf16(bytes.substr(2), FeatureFileEncoding::Utf16LittleEndian);
        if (first == 0xFE && second == 0xFF)
            return utf16(bytes.substr(2), FeatureFileEncoding::Utf16BigEndian);
    }
    DecodedFeatureFile decoded;
    if (bytes.find('\0') == std::string_view::npos) {
        decoded.replacedSequences = DecodeUtf8Pieces(bytes, pieceBytes, piece);
        return decoded;
    }
    const Utf16Verdict littleEndian = JudgeUtf16(bytes, ByteOrder::LittleEndian);
    if (littleEndian == Utf16Verdict::Yes)
        return utf16(bytes, FeatureFileEncoding::Utf16LittleEndian);
    const Utf16Verdict bigEndian = JudgeUtf16(bytes, ByteOrder::BigEndian);
    if (bigEndian == Utf16Verdict::Yes && littleEndian == Utf16Verdict::No)
        return utf16(bytes, FeatureFileEncoding::Utf16BigEndian);
    // Whether the bytes fit UTF-8 is counted before any of the text goes out.
    const bool utf8Fits = DecodeUtf8Pieces(bytes, pieceBytes, {}) == 0;
    if (!utf8Fits && littleEndian == Utf16Verdict::UnlessUtf8)
        return utf16(bytes, FeatureFileEncoding::Utf16LittleEndian);
    if (bigEndian == Utf16Verdict::Yes || (!utf8Fits && bigEndian == Utf16Verdict::UnlessUtf8))
        return utf16(bytes, FeatureFileEncoding::Utf16BigEndian);
    decoded.replacedSequences = DecodeUtf8Pieces(bytes, pieceBytes, piece);
    decoded.unrecognisedEncoding = true;
    return decoded;
}

std::string EncodeFeatureFile(const std::u16string& text)
{
    return Utf16ToUtf8(text);
}
