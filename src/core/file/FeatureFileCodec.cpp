#include "FeatureFileCodec.h"

#include "Utf16.h"
#include "Utf8.h"

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

} // namespace

DecodedFeatureFile DecodeFeatureFile(std::string_view bytes)
{
    if (bytes.size() < 2) {
        DecodedFeatureFile decoded;
        decoded.replacedSequences = bytes.size();
        return decoded;
    }
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (first == 0xFF && second == 0xFE)
        return DecodeUtf16(bytes.substr(2), FeatureFileEncoding::Utf16LittleEndian);
    if (first == 0xFE && second == 0xFF)
        return DecodeUtf16(bytes.substr(2), FeatureFileEncoding::Utf16BigEndian);
    if (second == 0)
        return DecodeUtf16(bytes, FeatureFileEncoding::Utf16LittleEndian);
    if (first == 0)
        return DecodeUtf16(bytes, FeatureFileEncoding::Utf16BigEndian);

    DecodedFeatureFile decoded;
    decoded.replacedSequences = AppendUtf8AsUtf16(bytes, decoded.text);
    return decoded;
}

std::string EncodeFeatureFile(const std::u16string& text)
{
    return Utf16ToUtf8(text);
}
