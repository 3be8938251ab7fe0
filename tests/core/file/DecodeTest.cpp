#include "Bytes.h"
#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

namespace {

using enum FeatureFileEncoding;
const char16_t R = u'\xFFFD';

struct DecodeCase {
    const char* name;
    std::string bytes;
    FeatureFileEncoding encoding;
    std::u16string text;
    std::size_t replaced;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Decode : public testing::TestWithParam<DecodeCase> { };

TEST_P(Decode, GivesTextEncodingAndReplacements)
{
    const DecodeCase& c = GetParam();
    const DecodedFeatureFile decoded = DecodeFeatureFile(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.replacedSequences, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(Start, Decode,
    testing::Values(DecodeCase { "EmptyFile", "", Utf8, u"", 0 },
        // One byte holds no whole character; the caller hears of the lost byte.
        DecodeCase { "OneByteFile", "F", Utf8, u"", 1 },
        DecodeCase { "Utf8LineEndsAsTheyStand", "a\nb\rc\r\n", Utf8, u"a\nb\rc\r\n", 0 },
        DecodeCase { "Utf8MarkKept", Bytes({ 0xEF, 0xBB, 0xBF, 'F' }), Utf8,
            u"\xFEFF"
            u"F",
            0 },
        DecodeCase { "ZeroByteKept", Bytes({ 'a', 0x01, 0, 'c' }), Utf8, std::u16string(u"a\x01\0c", 4), 0 },
        DecodeCase { "Utf16LittleEndian", Bytes({ 'F', 0, 'e', 0 }), Utf16LittleEndian, u"Fe\r\n", 0 },
        DecodeCase {
            "Utf16LittleEndianMark", Bytes({ 0xFF, 0xFE, 0x16, 0x04 }), Utf16LittleEndian, u"\x0416\r\n", 0 },
        DecodeCase { "Utf16MarkOnly", Bytes({ 0xFF, 0xFE }), Utf16LittleEndian, u"", 0 },
        DecodeCase {
            "Utf16BigEndianMark", Bytes({ 0xFE, 0xFF, 0x04, 0x16 }), Utf16BigEndian, u"\x0416\r\n", 0 },
        DecodeCase { "Utf16BigEndian", Bytes({ 0, 'F', 0, 'e' }), Utf16BigEndian, u"Fe\r\n", 0 }));

// UTF-16 files are read line by line; every line comes out ended by CR LF.
INSTANTIATE_TEST_SUITE_P(Utf16Lines, Decode,
    testing::Values(DecodeCase { "CrLf", Bytes({ 'a', 0, '\r', 0, '\n', 0, 'b', 0 }), Utf16LittleEndian,
                        u"a\r\nb\r\n", 0 },
        DecodeCase { "FinalLf", Bytes({ 'a', 0, '\n', 0 }), Utf16LittleEndian, u"a\r\n", 0 },
        DecodeCase { "LoneCrStays", Bytes({ 'a', 0, '\r', 0, 'b', 0 }), Utf16LittleEndian, u"a\rb\r\n", 0 },
        DecodeCase {
            "OneCrDropped", Bytes({ 'a', 0, '\r', 0, '\r', 0, '\n', 0 }), Utf16LittleEndian, u"a\r\r\n", 0 },
        DecodeCase {
            "EmptyLines", Bytes({ '\n', 0, '\n', 0, 'x', 0 }), Utf16LittleEndian, u"\r\n\r\nx\r\n", 0 },
        DecodeCase {
            "ZeroUnitKept", Bytes({ 'a', 0, 0, 0 }), Utf16LittleEndian, std::u16string(u"a\0\r\n", 4), 0 },
        DecodeCase { "PairKept", Bytes({ 'a', 0, 0x3D, 0xD8, 0x00, 0xDE }), Utf16LittleEndian,
            u"a\xD83D\xDE00\r\n", 0 }));

INSTANTIATE_TEST_SUITE_P(Utf16Damaged, Decode,
    testing::Values(DecodeCase { "OddFinalByte", Bytes({ 'a', 0, 'b' }), Utf16LittleEndian,
                        { u'a', R, u'\r', u'\n' }, 1 },
        DecodeCase { "LoneHigh", Bytes({ 'a', 0, 0x3D, 0xD8, 'b', 0 }), Utf16LittleEndian,
            { u'a', R, u'b', u'\r', u'\n' }, 1 },
        DecodeCase {
            "HighAtEnd", Bytes({ 'a', 0, 0x3D, 0xD8 }), Utf16LittleEndian, { u'a', R, u'\r', u'\n' }, 1 },
        DecodeCase {
            "LoneLow", Bytes({ 'a', 0, 0x00, 0xDE }), Utf16LittleEndian, { u'a', R, u'\r', u'\n' }, 1 },
        DecodeCase { "PairReversed", Bytes({ 0xFE, 0xFF, 0xDE, 0x00, 0xD8, 0x3D }), Utf16BigEndian,
            { R, R, u'\r', u'\n' }, 2 }));

INSTANTIATE_TEST_SUITE_P(Utf8Valid, Decode,
    testing::Values(DecodeCase { "Boundaries",
        Bytes({ 'a', 0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xED, 0x9F, 0xBF, 0xEE, 0x80, 0x80, 0xEF,
            0xBF, 0xBF, 0xF0, 0x90, 0x80, 0x80, 0xF4, 0x8F, 0xBF, 0xBF }),
        Utf8, u"a\x7F\x0080\x07FF\x0800\xD7FF\xE000\xFFFF\xD800\xDC00\xDBFF\xDFFF", 0 }));

// One U+FFFD per maximal subpart: a sequence ends at the first byte that
// cannot continue it, and that byte starts the next.
INSTANTIATE_TEST_SUITE_P(Utf8Invalid, Decode,
    testing::Values(DecodeCase { "LoneContinuations", Bytes({ 'a', 0x80, 0xBF }), Utf8, { u'a', R, R }, 2 },
        DecodeCase {
            "Overlong", Bytes({ 'a', 0xC0, 0x80, 0xE0, 0x80, 0x80 }), Utf8, { u'a', R, R, R, R, R }, 5 },
        DecodeCase { "Surrogate", Bytes({ 'a', 0xED, 0xA0, 0x80 }), Utf8, { u'a', R, R, R }, 3 },
        DecodeCase { "AboveLastCodePoint", Bytes({ 'a', 0xF4, 0x90, 0x80, 0x80, 0xF5 }), Utf8,
            { u'a', R, R, R, R, R }, 5 },
        DecodeCase { "TruncatedAtEnd", Bytes({ 'a', 0xF0, 0x9F, 0x98 }), Utf8, { u'a', R }, 1 },
        DecodeCase { "TruncatedBeforeLead", Bytes({ 'a', 0xC3, 0xC3, 0xA9, 0xE2, 0x82, '\n' }), Utf8,
            { u'a', R, u'\xE9', R, u'\n' }, 2 },
        DecodeCase { "UnicodeStandardExample",
            Bytes({ 0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64 }), Utf8,
            { u'a', R, R, R, u'b', R, u'c', R, R, u'd' }, 6 }));

// Nothing is cut at a fixed buffer size.
TEST(LargeFile, DecodesPastOneMillionBytes)
{
    std::string bytes;
    while (bytes.size() < 1'500'000)
        bytes += "  Given a step\n";
    bytes += "Then the end";
    const DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
    EXPECT_EQ(decoded.text.size(), bytes.size());
    EXPECT_TRUE(decoded.text.ends_with(u"\nThen the end"));
}

} // namespace
