#include "Bytes.h"
#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

namespace {

struct DetectionCase {
    const char* name;
    std::string bytes;
    FeatureFileEncoding encoding;
    std::u16string text;
    std::size_t replaced;
};

void PrintTo(const DetectionCase& c, std::ostream* os)
{
    *os << c.name;
}

class Detection : public testing::TestWithParam<DetectionCase> { };

TEST_P(Detection, ChoosesEncodingAndLineEnds)
{
    const DetectionCase& c = GetParam();
    const DecodedFeatureFile decoded = DecodeFeatureFile(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.replacedSequences, c.replaced);
}

using enum FeatureFileEncoding;
const char16_t R = u'\xFFFD';

INSTANTIATE_TEST_SUITE_P(Start, Detection,
    testing::Values(DetectionCase { "EmptyFile", "", Utf8, u"", 0 },
        // One byte holds no whole character; the caller hears of the lost byte.
        DetectionCase { "OneByteFile", "F", Utf8, u"", 1 },
        DetectionCase { "TwoAsciiBytes", "Fe", Utf8, u"Fe", 0 },
        DetectionCase { "Utf8MarkKept", Bytes({ 0xEF, 0xBB, 0xBF, 'F' }), Utf8,
            u"\xFEFF"
            u"F",
            0 },
        DetectionCase { "Utf8LineEndsAsTheyStand", "a\nb\rc", Utf8, u"a\nb\rc", 0 }));

INSTANTIATE_TEST_SUITE_P(Utf16, Detection,
    testing::Values(
        DetectionCase { "LittleEndianNoMark", Bytes({ 'F', 0, 'e', 0 }), Utf16LittleEndian, u"Fe\r\n", 0 },
        DetectionCase { "LittleEndianMarkDropped", Bytes({ 0xFF, 0xFE, 0x16, 0x04 }), Utf16LittleEndian,
            u"\x0416\r\n", 0 },
        DetectionCase { "MarkOnly", Bytes({ 0xFF, 0xFE }), Utf16LittleEndian, u"", 0 },
        DetectionCase {
            "BigEndianMarkDropped", Bytes({ 0xFE, 0xFF, 0x04, 0x16 }), Utf16BigEndian, u"\x0416\r\n", 0 },
        DetectionCase { "BigEndianNoMark", Bytes({ 0, 'F', 0, 'e' }), Utf16BigEndian, u"Fe\r\n", 0 },
        DetectionCase { "CrLfBecomesOneLineEnd", Bytes({ 'a', 0, '\r', 0, '\n', 0, 'b', 0 }),
            Utf16LittleEndian, u"a\r\nb\r\n", 0 },
        DetectionCase {
            "LfGetsCr", Bytes({ 'a', 0, '\n', 0, 'b', 0, '\n', 0 }), Utf16LittleEndian, u"a\r\nb\r\n", 0 },
        DetectionCase {
            "LoneCrStaysInLine", Bytes({ 'a', 0, '\r', 0, 'b', 0 }), Utf16LittleEndian, u"a\rb\r\n", 0 },
        DetectionCase { "OnlyTheLastCrBeforeLfDropped", Bytes({ 'a', 0, '\r', 0, '\r', 0, '\n', 0 }),
            Utf16LittleEndian, u"a\r\r\n", 0 },
        DetectionCase {
            "EmptyLinesKept", Bytes({ '\n', 0, '\n', 0, 'x', 0 }), Utf16LittleEndian, u"\r\n\r\nx\r\n", 0 },
        DetectionCase { "ZeroUnitKept", Bytes({ 'a', 0, 0, 0, 'b', 0 }), Utf16LittleEndian,
            std::u16string(u"a\0b\r\n", 5), 0 },
        DetectionCase { "PairKept", Bytes({ 'a', 0, 0x3D, 0xD8, 0x00, 0xDE }), Utf16LittleEndian,
            u"a\xD83D\xDE00\r\n", 0 }));

INSTANTIATE_TEST_SUITE_P(Utf16Damaged, Detection,
    testing::Values(DetectionCase { "OddFinalByte", Bytes({ 'a', 0, 'b' }), Utf16LittleEndian,
                        { u'a', R, u'\r', u'\n' }, 1 },
        DetectionCase { "OddByteAfterLineEnd", Bytes({ 'a', 0, '\n', 0, 'b' }), Utf16LittleEndian,
            { u'a', u'\r', u'\n', R, u'\r', u'\n' }, 1 },
        DetectionCase { "LoneHighSurrogate", Bytes({ 'a', 0, 0x3D, 0xD8, 'b', 0 }), Utf16LittleEndian,
            { u'a', R, u'b', u'\r', u'\n' }, 1 },
        DetectionCase { "HighSurrogateAtEnd", Bytes({ 'a', 0, 0x3D, 0xD8 }), Utf16LittleEndian,
            { u'a', R, u'\r', u'\n' }, 1 },
        DetectionCase { "LoneLowSurrogate", Bytes({ 'a', 0, 0x00, 0xDE }), Utf16LittleEndian,
            { u'a', R, u'\r', u'\n' }, 1 },
        DetectionCase { "PairInWrongOrder", Bytes({ 0xFE, 0xFF, 0xDE, 0x00, 0xD8, 0x3D }), Utf16BigEndian,
            { R, R, u'\r', u'\n' }, 2 }));

// The UTF-8 path reads the whole file: nothing is cut at a fixed buffer size.
TEST(LargeFile, DecodesPastOneMillionBytes)
{
    const std::string line = "  Given a step that is exactly forty bytes\n";
    std::string bytes;
    while (bytes.size() < 1'500'000)
        bytes += line;
    bytes += "Then the end";
    const DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
    EXPECT_EQ(decoded.replacedSequences, 0u);
    ASSERT_EQ(decoded.text.size(), bytes.size());
    EXPECT_EQ(decoded.text.substr(decoded.text.size() - 12), u"Then the end");
}

TEST(LargeFile, Utf16DecodesPastOneMillionBytes)
{
    std::u16string units;
    while (units.size() < 600'000)
        units += u"| a | b |\n";
    units += u"last";
    const DecodedFeatureFile decoded = DecodeFeatureFile(Utf16Bytes(units, false));
    EXPECT_EQ(decoded.encoding, FeatureFileEncoding::Utf16LittleEndian);
    EXPECT_EQ(decoded.text.size(), units.size() + units.size() / 10 + 2);
    EXPECT_EQ(decoded.text.substr(decoded.text.size() - 6), u"last\r\n");
}

} // namespace
