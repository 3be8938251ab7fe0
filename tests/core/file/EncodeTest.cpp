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

class Encode : public testing::TestWithParam<EncodeCase> { };

TEST_P(Encode, WritesUtf8WithoutMarkOrTerminator)
{
    EXPECT_EQ(EncodeFeatureFile(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Text, Encode,
    testing::Values(EncodeCase { "EmptyTextZeroBytes", u"", "" },
        EncodeCase { "LineEndsAsTheyStand", u"a\r\nb\nc", "a\r\nb\nc" },
        EncodeCase { "ZeroKept", std::u16string(u"a\0b", 3), Bytes({ 'a', 0, 'b' }) },
        EncodeCase { "Lengths", u"\x00E9\x0800\xFFFF\xD83D\xDE00",
            Bytes({ 0xC3, 0xA9, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF, 0xF0, 0x9F, 0x98, 0x80 }) },
        EncodeCase { "MarkOnlyWhenInText", u"\xFEFF", Bytes({ 0xEF, 0xBB, 0xBF }) }));

// A surrogate without its partner has no UTF-8 form; writing its three bytes
// anyway would give a file that no reader accepts.
INSTANTIATE_TEST_SUITE_P(LoneSurrogates, Encode,
    testing::Values(EncodeCase { "HighBeforeAscii",
                        u"\xD83D"
                        u"a",
                        Bytes({ 0xEF, 0xBF, 0xBD, 'a' }) },
        EncodeCase { "HighAtEnd", u"a\xD83D", Bytes({ 'a', 0xEF, 0xBF, 0xBD }) },
        EncodeCase { "Reversed", u"\xDE00\xD83D", Bytes({ 0xEF, 0xBF, 0xBD, 0xEF, 0xBF, 0xBD }) },
        EncodeCase {
            "HighThenPair", u"\xD83D\xD83D\xDE00", Bytes({ 0xEF, 0xBF, 0xBD, 0xF0, 0x9F, 0x98, 0x80 }) }));

// Once decoded, damaged input saves as U+FFFD and loads back the same.
TEST(RoundTrip, DamagedBytesBecomeStableText)
{
    const DecodedFeatureFile first = DecodeFeatureFile(Bytes({ 'a', 0xC0, 0xAF, 'b', 0xED, 0xA0, 0x80 }));
    EXPECT_EQ(first.replacedSequences, 5u);
    const DecodedFeatureFile second = DecodeFeatureFile(EncodeFeatureFile(first.text));
    EXPECT_EQ(second.replacedSequences, 0u);
    EXPECT_EQ(second.text, first.text);
}

} // namespace
