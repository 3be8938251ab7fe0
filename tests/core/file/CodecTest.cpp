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

// The UTF-16 forms of a text, without a mark.
std::string Le(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Be(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

// Bytes below 0x80 read as UTF-8: one character each.
std::u16string Widened(const std::string& bytes)
{
    return std::u16string(bytes.begin(), bytes.end());
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
        { "one byte is UTF-8", "F", Utf8, u"F", 0 },
        { "one invalid byte", Bytes({ 0xE9 }), Utf8, { R }, 1 },
        { "UTF-8 line ends as they stand", "a\nb\rc\r\n", Utf8, u"a\nb\rc\r\n", 0 },
        { "UTF-8 mark kept", Bytes({ 0xEF, 0xBB, 0xBF, 'F' }), Utf8, { u'\xFEFF', u'F' }, 0 },
        { "LE mark dropped", Bytes({ 0xFF, 0xFE, 0x16, 0x04 }), Utf16LittleEndian, u"\x0416\r\n", 0 },
        { "mark only", Bytes({ 0xFF, 0xFE }), Utf16LittleEndian, u"", 0 },
        { "BE mark dropped", Bytes({ 0xFE, 0xFF, 0x04, 0x16 }), Utf16BigEndian, u"\x0416\r\n", 0 },
        { "BE pair", Bytes({ 0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00 }), Utf16BigEndian, u"\xD83D\xDE00\r\n", 0 },
        // UTF-16 is read line by line: a line ends at LF, a CR just before it is
        // dropped, and every line, the last one included, is given CR LF.
        { "UTF-16 lines", Le(u"\nab\r\n\nc\n"), Utf16LittleEndian, u"\r\nab\r\n\r\nc\r\n", 0 },
        { "UTF-16 other CRs", Le(u"a\rb\r\r\nc"), Utf16LittleEndian, u"a\rb\r\r\nc\r\n", 0 },
        { "UTF-16 lone surrogates", "\xFF\xFE" + Le(u"a\xD83Dx\xDE00\xDE00\xD83D"), Utf16LittleEndian,
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
        // Runs of ASCII are decoded four words of eight bytes at a time, then
        // a word at a time: the same again with such runs of every length up
        // to past a group of four words and two more around it.
        if (c.encoding != Utf8 || c.bytes.find('\0') != std::string::npos)
            continue;
        for (std::size_t run = 1; run <= 49; ++run) {
            const std::string ascii(run, 'x');
            const DecodedFeatureFile padded = DecodeFeatureFile(ascii + c.bytes + ascii);
            EXPECT_EQ(padded.text, Widened(ascii) + c.text + Widened(ascii)) << run;
            EXPECT_EQ(padded.replacedSequences, c.replaced) << run;
        }
    }
}

// Without a mark, zero bytes decide: where they stand tells UTF-16 of either
// byte order from bytes that are neither, which are read as UTF-8 and flagged.
TEST(Decode, TellsUtf16FromItsZeroBytes)
{
    const std::u16string russian = u"# language: ru\r\n\x0424\x0443\x043D\x043A\x0446\x0438\x044F: "
                                   u"\x041E\x043F\x043B\x0430\x0442\x0430\r\n  \x0421\x0446\x0435"
                                   u"\x043D\x0430\x0440\x0438\x0439: \x041A\x0430\x0440\x0442\x0430\r\n";
    // Greek words with no indentation and no directive: about one character in six has a zero byte.
    const std::u16string greek = u"\x0394\x03C5\x03BD\x03B1\x03C4\x03CC\x03C4\x03B7\x03C4\x03B1: "
                                 u"\x03A0\x03BB\x03B7\x03C1\x03C9\x03BC\x03AE\r\n\x03A3\x03B5\x03BD"
                                 u"\x03AC\x03C1\x03B9\x03BF: \x039A\x03AC\x03C1\x03C4\x03B1\r\n";
    // U+4E00 has a zero low byte; a few such characters do not turn the order round.
    const std::u16string chinese
        = u"\x529F\x80FD: \x4E00\x4E2A\r\n  \x573A\x666F: \x4E00\r\n    \x5047\x5982 "
          u"\x6211\x5728\x4E00\x9875\r\n";
    const std::u16string latin1 = u"Fonctionnalit\x00E9: caf\x00E9\n";
    const std::string fewZeros = std::string("F\0", 2) + "abcdefghijklmnopqrstuvwxyz";
    const std::string zeroTail = "Feature: a\n" + std::string(6, '\0');
    const std::string oneCyrillicLine
        = Le(u"\x0424\x0443\x043D\x043A\x0446\x0438\x044F: \x0422\x0435\x0441\x0442");

    const struct {
        const char* name;
        std::string bytes;
        FeatureFileEncoding encoding;
        std::u16string text;
        std::size_t replaced;
        bool unrecognised;
    } cases[] = {
        { "LE, Latin", Le(u"Fe"), Utf16LittleEndian, u"Fe\r\n", 0, false },
        { "BE, Latin", Bytes({ 0, 'F', 0, 'e' }), Utf16BigEndian, u"Fe\r\n", 0, false },
        { "LE, Latin-1 letters", Le(latin1), Utf16LittleEndian, u"Fonctionnalit\x00E9: caf\x00E9\r\n", 0,
            false },
        { "LE, Cyrillic", Le(russian), Utf16LittleEndian, russian, 0, false },
        { "BE, Cyrillic", Be(russian), Utf16BigEndian, russian, 0, false },
        { "LE, Greek", Le(greek), Utf16LittleEndian, greek, 0, false },
        { "BE, Chinese", Be(chinese), Utf16BigEndian, chinese, 0, false },
        { "LE, Chinese", Le(chinese), Utf16LittleEndian, chinese, 0, false },
        { "LE, one line that starts in Latin script", Le(u"@\x0442\x0435\x0433"), Utf16LittleEndian,
            u"@\x0442\x0435\x0433\r\n", 0, false },
        { "LE, zero unit and pair kept", Bytes({ 'a', 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE }), Utf16LittleEndian,
            std::u16string(u"a\0\xD83D\xDE00\r\n", 6), 0, false },
        // A single line of another script has too few zero bytes to tell.
        { "one line of Cyrillic", oneCyrillicLine, Utf8, Widened(oneCyrillicLine), 0, true },
        { "one zero byte", Bytes({ 0 }), Utf8, std::u16string(1, u'\0'), 0, true },
        { "odd length", Bytes({ 'a', 0, 'b' }), Utf8, std::u16string(u"a\0b", 3), 0, true },
        { "unpaired surrogate", Le(u"ab\xD800\x0063"), Utf8, { u'a', 0, u'b', 0, 0, R, u'c', 0 }, 1, true },
        { "a zero high byte in only a few units", fewZeros, Utf8, Widened(fewZeros), 0, true },
        { "zero bytes on both sides", Bytes({ 1, 0, 0, 1, 1, 0, 0, 1 }), Utf8,
            Widened(Bytes({ 1, 0, 0, 1, 1, 0, 0, 1 })), 0, true },
        { "zero byte in UTF-8 kept", Bytes({ 'a', 0x01, 0, 'c' }), Utf8, std::u16string(u"a\x01\0c", 4), 0,
            true },
        { "UTF-8 with a tail of zeros", zeroTail, Utf8, Widened(zeroTail), 0, true },
        { "zeros only", std::string(4, '\0'), Utf8, std::u16string(4, u'\0'), 0, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedFeatureFile decoded = DecodeFeatureFile(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.replacedSequences, c.replaced);
        EXPECT_EQ(decoded.unrecognisedEncoding, c.unrecognised);
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
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeFeatureFile(c.text), c.bytes);
        // Four words of four units at a time, then a word at a time.
        for (std::size_t run = 1; run <= 25; ++run) {
            const std::string ascii(run, 'x');
            EXPECT_EQ(EncodeFeatureFile(Widened(ascii) + c.text + Widened(ascii)), ascii + c.bytes + ascii)
                << run;
        }
    }
}

} // namespace
