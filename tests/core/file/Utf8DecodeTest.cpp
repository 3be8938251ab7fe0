#include "Bytes.h"
#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Case {
    const char* name;
    std::string bytes; // decoded after a leading "a", which keeps the file on the UTF-8 path
    std::u16string text;
    std::size_t replaced;
};

void PrintTo(const Utf8Case& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8Decoding : public testing::TestWithParam<Utf8Case> { };

TEST_P(Utf8Decoding, DecodesAndCountsReplacements)
{
    const Utf8Case& c = GetParam();
    const DecodedFeatureFile decoded = DecodeFeatureFile("a" + c.bytes);
    EXPECT_EQ(decoded.encoding, FeatureFileEncoding::Utf8);
    EXPECT_EQ(decoded.text, u"a" + c.text);
    EXPECT_EQ(decoded.replacedSequences, c.replaced);
}

const char16_t R = u'\xFFFD';

INSTANTIATE_TEST_SUITE_P(WellFormed, Utf8Decoding,
    testing::Values(Utf8Case { "Ascii", "bc\r\n", u"bc\r\n", 0 },
        Utf8Case { "LastOneByte", Bytes({ 0x7F }), u"\x7F", 0 },
        Utf8Case { "FirstTwoByte", Bytes({ 0xC2, 0x80 }), u"\x0080", 0 },
        Utf8Case { "LastTwoByte", Bytes({ 0xDF, 0xBF }), u"\x07FF", 0 },
        Utf8Case { "FirstThreeByte", Bytes({ 0xE0, 0xA0, 0x80 }), u"\x0800", 0 },
        Utf8Case { "BelowSurrogates", Bytes({ 0xED, 0x9F, 0xBF }), u"\xD7FF", 0 },
        Utf8Case { "AboveSurrogates", Bytes({ 0xEE, 0x80, 0x80 }), u"\xE000", 0 },
        Utf8Case { "LastThreeByte", Bytes({ 0xEF, 0xBF, 0xBF }), u"\xFFFF", 0 },
        Utf8Case { "FirstFourByte", Bytes({ 0xF0, 0x90, 0x80, 0x80 }), u"\xD800\xDC00", 0 },
        Utf8Case { "Emoji", Bytes({ 0xF0, 0x9F, 0x98, 0x80 }), u"\xD83D\xDE00", 0 },
        Utf8Case { "LastCodePoint", Bytes({ 0xF4, 0x8F, 0xBF, 0xBF }), u"\xDBFF\xDFFF", 0 },
        Utf8Case { "ByteOrderMarkKept", Bytes({ 0xEF, 0xBB, 0xBF }), u"\xFEFF", 0 },
        Utf8Case { "ZeroByteKept", Bytes({ 'b', 0x00, 'c' }), std::u16string(u"b\0c", 3), 0 },
        Utf8Case { "LineEndsUntouched", "1\n2\r3\r\n", u"1\n2\r3\r\n", 0 }));

INSTANTIATE_TEST_SUITE_P(IllFormed, Utf8Decoding,
    testing::Values(Utf8Case { "LoneContinuation", Bytes({ 0x80 }), { R }, 1 },
        Utf8Case { "TwoContinuations", Bytes({ 0x80, 0xBF }), { R, R }, 2 },
        Utf8Case { "OverlongTwoByte", Bytes({ 0xC0, 0x80 }), { R, R }, 2 },
        Utf8Case { "OverlongC1", Bytes({ 0xC1, 0xBF }), { R, R }, 2 },
        Utf8Case { "OverlongThreeByte", Bytes({ 0xE0, 0x80, 0x80 }), { R, R, R }, 3 },
        Utf8Case { "OverlongFourByte", Bytes({ 0xF0, 0x80, 0x80, 0x80 }), { R, R, R, R }, 4 },
        Utf8Case { "EncodedSurrogate", Bytes({ 0xED, 0xA0, 0x80 }), { R, R, R }, 3 },
        Utf8Case { "AboveLastCodePoint", Bytes({ 0xF4, 0x90, 0x80, 0x80 }), { R, R, R, R }, 4 },
        Utf8Case { "LeadF5", Bytes({ 0xF5, 0x80 }), { R, R }, 2 },
        Utf8Case { "LeadFF", Bytes({ 0xFF }), { R }, 1 },
        Utf8Case { "TruncatedAtEnd", Bytes({ 0xE2, 0x82 }), { R }, 1 },
        Utf8Case { "TruncatedFourByteAtEnd", Bytes({ 0xF0, 0x9F, 0x98 }), { R }, 1 },
        Utf8Case { "TruncatedBeforeAscii", Bytes({ 0xE2, 0x82, 'x' }), { R, u'x' }, 1 },
        Utf8Case { "TruncatedBeforeLead", Bytes({ 0xC3, 0xC3, 0xA9 }), { R, u'\xE9' }, 1 },
        Utf8Case { "TruncatedBeforeLineEnd", Bytes({ 0xC3, '\r', '\n' }), { R, u'\r', u'\n' }, 1 },
        // The example the Unicode standard gives for the maximal-subpart practice.
        Utf8Case { "StandardExample",
            Bytes({ 0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64 }),
            { u'a', R, R, R, u'b', R, u'c', R, R, u'd' }, 6 }));

} // namespace
