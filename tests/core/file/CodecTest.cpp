#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using enum FeatureFileEncoding;
const char16_t R = u'\xFFFD';

// A byte string written as numbers, so that zero bytes and bytes above 0x7F read plainly.
std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

// The UTF-16 little-endian form of a text, without a mark.
std::string Le(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(Decode, GivesTextEncodingAndReplacements)
{
    const struct {
        const char* name;
        std::string bytes;
        FeatureFileEncoding encoding;
        std::u16string text;
        std::size_t replaced;
    } cases[] = {
        { "empty", "", Utf8, u"", 0 },
        { "one byte holds no character", "F", Utf8, u"", 1 },
        { "UTF-8 line ends as they stand", "a\nb\rc\r\n", Utf8, u"a\nb\rc\r\n", 0 },
        { "UTF-8 mark kept", Bytes({ 0xEF, 0xBB, 0xBF, 'F' }), Utf8, { u'\xFEFF', u'F' }, 0 },
        { "zero byte kept", Bytes({ 'a', 0x01, 0, 'c' }), Utf8, std::u16string(u"a\x01\0c", 4), 0 },
        { "UTF-16 LE by its second byte", Le(u"Fe"), Utf16LittleEndian, u"Fe\r\n", 0 },
        { "LE mark dropped", Bytes({ 0xFF, 0xFE, 0x16, 0x04 }), Utf16LittleEndian, u"\x0416\r\n", 0 },
        { "mark only", Bytes({ 0xFF, 0xFE }), Utf16LittleEndian, u"", 0 },
        { "BE mark dropped", Bytes({ 0xFE, 0xFF, 0x04, 0x16 }), Utf16BigEndian, u"\x0416\r\n", 0 },
        { "UTF-16 BE by its first byte", Bytes({ 0, 'F', 0, 'e' }), Utf16BigEndian, u"Fe\r\n", 0 },
        { "BE pair", Bytes({ 0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00 }), Utf16BigEndian, u"\xD83D\xDE00\r\n", 0 },
        // UTF-16 is read line by line: a line ends at LF, a CR just before it is
        // dropped, and every line, the last one included, is given CR LF.
        { "UTF-16 lines", Le(u"\nab\r\n\nc\n"), Utf16LittleEndian, u"\r\nab\r\n\r\nc\r\n", 0 },
        { "UTF-16 other CRs", Le(u"a\rb\r\r\nc"), Utf16LittleEndian, u"a\rb\r\r\nc\r\n", 0 },
        { "UTF-16 zero unit and pair kept", Bytes({ 'a', 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE }),
            Utf16LittleEndian, std::u16string(u"a\0\xD83D\xDE00\r\n", 6), 0 },
        { "UTF-16 odd final byte", Bytes({ 'a', 0, 'b' }), Utf16LittleEndian, { u'a', R, u'\r', u'\n' }, 1 },
        { "UTF-16 lone surrogates", Le(u"a\xD83Dx\xDE00\xDE00\xD83D"), Utf16LittleEndian,
            { u'a', R, u'x', R, R, R, u'\r', u'\n' }, 4 },
        { "UTF-8 boundaries",
            Bytes({ 'a', 0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xED, 0x9F, 0xBF, 0xEE, 0x80, 0x80,
                0xEF, 0xBF, 0xBF, 0xF0, 0x90, 0x80, 0x80, 0xF4, 0x8F, 0xBF, 0xBF }),
            Utf8, u"a\x7F\x0080\x07FF\x0800\xD7FF\xE000\xFFFF\xD800\xDC00\xDBFF\xDFFF", 0 },
        // One U+FFFD per maximal subpart: a sequence ends at the first byte
        // that cannot continue it, and that byte starts the next.
        { "overlong", Bytes({ 'a', 0xC0, 0x80, 0xE0, 0x80, 0x80 }), Utf8, { u'a', R, R, R, R, R }, 5 },
        { "surrogate", Bytes({ 'a', 0xED, 0xA0, 0x80 }), Utf8, { u'a', R, R, R }, 3 },
        { "above U+10FFFF", Bytes({ 'a', 0xF4, 0x90, 0x80, 0x80, 0xF5 }), Utf8, { u'a', R, R, R, R, R }, 5 },
        { "truncated at end", Bytes({ 'a', 0xF0, 0x9F, 0x98 }), Utf8, { u'a', R }, 1 },
        { "truncated before a lead", Bytes({ 'a', 0xC3, 0xC3, 0xA9, 0xE2, 0x82, '\n' }), Utf8,
            { u'a', R, u'\xE9', R, u'\n' }, 2 },
        { "mixed", Bytes({ 0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64 }),
            Utf8, { u'a', R, R, R, u'b', R, u'c', R, R, u'd' }, 6 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedFeatureFile decoded = DecodeFeatureFile(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.replacedSequences, c.replaced);
    }
}

TEST(Encode, WritesUtf8WithoutMarkOrTerminator)
{
    const struct {
        std::u16string text;
        std::string bytes;
    } cases[] = {
        { u"", "" },
        { u"a\r\nb\nc", "a\r\nb\nc" },
        { std::u16string(u"a\0b", 3), Bytes({ 'a', 0, 'b' }) },
        { u"\xFEFF", Bytes({ 0xEF, 0xBB, 0xBF }) },
        { u"\x00E9\x0800\xFFFF\xD83D\xDE00",
            Bytes({ 0xC3, 0xA9, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF, 0xF0, 0x9F, 0x98, 0x80 }) },
        // A surrogate without its partner has no UTF-8 form; its three bytes
        // would give a file that no reader accepts.
        { u"\xD83Dx\xDE00\xD83D", Bytes({ 0xEF, 0xBF, 0xBD, 'x', 0xEF, 0xBF, 0xBD, 0xEF, 0xBF, 0xBD }) },
        { u"\xD83D\xD83D\xDE00", Bytes({ 0xEF, 0xBF, 0xBD, 0xF0, 0x9F, 0x98, 0x80 }) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeFeatureFile(c.text), c.bytes);
}

} // namespace
