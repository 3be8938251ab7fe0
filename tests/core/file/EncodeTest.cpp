#include "Bytes.h"
#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Encoding : public testing::TestWithParam<EncodeCase> { };

TEST_P(Encoding, WritesUtf8WithoutMarkOrTerminator)
{
    EXPECT_EQ(EncodeFeatureFile(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Text, Encoding,
    testing::Values(EncodeCase { "EmptyTextZeroBytes", u"", "" },
        EncodeCase { "LineEndsAsTheyStand", u"a\r\nb\nc\r", "a\r\nb\nc\r" },
        EncodeCase { "NoLineEndAdded", u"Feature: x", "Feature: x" },
        EncodeCase { "ZeroKept", std::u16string(u"a\0b", 3), Bytes({ 'a', 0, 'b' }) },
        EncodeCase { "TwoByte", u"\x00E9\x07FF", Bytes({ 0xC3, 0xA9, 0xDF, 0xBF }) },
        EncodeCase { "ThreeByte", u"\x0800\xFFFF", Bytes({ 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF }) },
        EncodeCase { "MarkWrittenOnlyWhenInText", u"\xFEFF", Bytes({ 0xEF, 0xBB, 0xBF }) },
        EncodeCase { "Pair", u"\xD83D\xDE00", Bytes({ 0xF0, 0x9F, 0x98, 0x80 }) },
        EncodeCase { "LastCodePoint", u"\xDBFF\xDFFF", Bytes({ 0xF4, 0x8F, 0xBF, 0xBF }) }));

// A surrogate without its partner has no UTF-8 form; writing its three bytes
// anyway would give a file that no reader accepts.
INSTANTIATE_TEST_SUITE_P(LoneSurrogates, Encoding,
    testing::Values(EncodeCase { "HighBeforeAscii",
                        u"\xD83D"
                        u"a",
                        Bytes({ 0xEF, 0xBF, 0xBD, 'a' }) },
        EncodeCase { "HighAtEnd", u"a\xD83D", Bytes({ 'a', 0xEF, 0xBF, 0xBD }) },
        EncodeCase { "LowAlone", u"\xDE00", Bytes({ 0xEF, 0xBF, 0xBD }) },
        EncodeCase { "WrongOrder", u"\xDE00\xD83D", Bytes({ 0xEF, 0xBF, 0xBD, 0xEF, 0xBF, 0xBD }) },
        EncodeCase {
            "TwoHighsThenLow", u"\xD83D\xD83D\xDE00", Bytes({ 0xEF, 0xBF, 0xBD, 0xF0, 0x9F, 0x98, 0x80 }) }));

TEST(RoundTrip, EveryPlaneSurvivesEncodeThenDecode)
{
    // One character from each length class, next to the edges of the ranges.
    std::u16string text = u"a";
    for (char32_t value :
        { 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xD7FFu, 0xE000u, 0xFFFDu, 0xFFFFu, 0x10000u, 0x1F600u, 0x10FFFFu }) {
        if (value < 0x10000) {
            text.push_back(static_cast<char16_t>(value));
        } else {
            text.push_back(static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
        }
        text += u"\r\n";
    }
    const DecodedFeatureFile decoded = DecodeFeatureFile(EncodeFeatureFile(text));
    EXPECT_EQ(decoded.replacedSequences, 0u);
    EXPECT_EQ(decoded.text, text);
}

TEST(RoundTrip, DamagedBytesBecomeStableText)
{
    // Once decoded, damaged input saves as U+FFFD and loads back the same.
    const DecodedFeatureFile first = DecodeFeatureFile(Bytes({ 'a', 0xC0, 0xAF, 'b', 0xED, 0xA0, 0x80 }));
    EXPECT_EQ(first.replacedSequences, 5u);
    const DecodedFeatureFile second = DecodeFeatureFile(EncodeFeatureFile(first.text));
    EXPECT_EQ(second.replacedSequences, 0u);
    EXPECT_EQ(second.text, first.text);
}

} // namespace
