// Feature files' bytes to text and back, and files read from disk.
#include "core/file/FeatureFileCodec.h"
#include "core/file/LineEnd.h"
#include "core/file/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using enum FeatureFileEncoding;
using namespace std::string_literals;
const char16_t R = u'\xFFFD';

// The UTF-16 form of a text in either byte order, without a mark.
std::string Utf16(const std::u16string& text, FeatureFileEncoding order = Utf16LittleEndian)
{
    std::string bytes;
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += order == Utf16LittleEndian ? std::string { low, high } : std::string { high, low };
    }
    return bytes;
}

// Bytes below 0x80 read as UTF-8: one character each.
std::u16string Widened(const std::string& bytes)
{
    return std::u16string(bytes.begin(), bytes.end());
}

// Without a mark, where zero bytes stand tells UTF-16 of either byte order from
// bytes that are neither, read as UTF-8 and flagged.
TEST(Decode, GivesTextEncodingReplacementsAndWhetherTheEncodingWasRecognised)
{
    const std::string fewZeros = "F\0abcdefghijklmnopqrstuvwxyz"s;
    const std::string oneCyrillicLine = Utf16(u"Функция: Тест");
    const struct {
        const char* name;
        std::string bytes;
        FeatureFileEncoding encoding;
        std::u16string text;
        std::size_t replaced = 0;
        bool unrecognised = false;
    } cases[] = {
        { "LE mark dropped, lone surrogates", "\xFF\xFE" + Utf16(u"a\xD83Dx\xDE00\xDE00\xD83D"),
            Utf16LittleEndian, { u'a', R, u'x', R, R, R, u'\r', u'\n' }, 4 },
        { "UTF-8 boundaries",
            "a\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F"
            "\xBF\xBF",
            Utf8, u"a\x7F\x0080\x07FF\x0800\xD7FF\xE000\xFFFF\xD800\xDC00\xDBFF\xDFFF" },
        // One U+FFFD per maximal subpart: a sequence ends at the first byte that
        // cannot continue it, which starts the next. Overlong forms, surrogates,
        // code points above U+10FFFF and the file's end are in damaged-utf8.
        { "cut short by a lead or ASCII, lone continuations", "a\xF1\x80\x80\xE1\x80\xC2x\x80y\x80\xBFz",
            Utf8, { u'a', R, R, R, u'x', R, u'y', R, R, u'z' }, 6 },
        { "LE, zero unit and pair kept", "a\0\0\0\x3D\xD8\0\xDE"s, Utf16LittleEndian,
            u"a\0\xD83D\xDE00\r\n"s },
        { "BE mark, line ends, pairs",
            "\xFE\xFF" + Utf16(u"ab\r\n\xD83D\xDE00\rc\n\nd\xD83D\xDE00", Utf16BigEndian), Utf16BigEndian,
            u"ab\r\n\xD83D\xDE00\rc\r\n\r\nd\xD83D\xDE00\r\n" },
        // A single line of another script has too few zero bytes to tell.
        { "one line of Cyrillic", oneCyrillicLine, Utf8, Widened(oneCyrillicLine), 0, true },
        { "odd length", "a\0b"s, Utf8, u"a\0b"s, 0, true },
        { "unpaired surrogate", Utf16(u"ab\xD800\x0063"), Utf8, { u'a', 0, u'b', 0, 0, R, u'c', 0 }, 1,
            true },
        { "a zero high byte in only a few units", fewZeros, Utf8, Widened(fewZeros), 0, true },
        { "zero bytes on both sides", "\1\0\0\1\1\0\0\1"s, Utf8, u"\1\0\0\1\1\0\0\1"s, 0, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedFeatureFile decoded = DecodeFeatureFile(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.replacedSequences, c.replaced);
        EXPECT_EQ(decoded.unrecognisedEncoding, c.unrecognised);
        // A piece at a time, whatever falls on the pieces' edges, the same.
        for (std::size_t pieceBytes = 4; pieceBytes <= 9; ++pieceBytes) {
            std::u16string text;
            std::size_t left = c.bytes.size();
            const DecodedFeatureFile pieces = DecodeFeatureFile(
                c.bytes, pieceBytes, [&](std::u16string_view piece, std::size_t bytesLeft) {
                    text += piece;
                    EXPECT_LE(bytesLeft, left);
                    left = bytesLeft;
                });
            EXPECT_EQ(text, c.text) << pieceBytes;
            EXPECT_EQ(left, c.text.empty() ? c.bytes.size() : 0) << pieceBytes;
            EXPECT_EQ(std::tuple(pieces.encoding, pieces.replacedSequences, pieces.unrecognisedEncoding,
                          pieces.text),
                std::tuple(c.encoding, c.replaced, c.unrecognised, std::u16string()))
                << pieceBytes;
        }
        // UTF-8 read without a fault is written back as it was.
        const bool clean = c.encoding == Utf8 && c.replaced == 0 && !c.unrecognised;
        EXPECT_TRUE(!clean || EncodeFeatureFile(c.text) == c.bytes);
        // ASCII is read four words at a time, then a word at a time: runs of every
        // length up to past four words of eight bytes and two more around it.
        if (c.encoding != Utf8 || c.bytes.find('\0') != std::string::npos)
            continue;
        for (std::size_t run = 1; run <= 49; ++run) {
            const std::string ascii(run, 'x');
            const DecodedFeatureFile padded = DecodeFeatureFile(ascii + c.bytes + ascii);
            EXPECT_EQ(padded.text, Widened(ascii) + c.text + Widened(ascii)) << run;
            EXPECT_EQ(padded.replacedSequences, c.replaced) << run;
            EXPECT_TRUE(!clean || EncodeFeatureFile(padded.text) == ascii + c.bytes + ascii) << run;
        }
    }
}

// A surrogate without its partner has no UTF-8 form; its three bytes would
// give a file that no reader accepts. A zero unit ends nothing.
// Well-formed exactly where decoding replaces nothing, a bad sequence after
// a long run of ASCII too.
TEST(Utf8, WellFormedWhereDecodingReplacesNothing)
{
    const std::string ascii(40, 'a');
    for (const std::string bytes :
        { "", "caf\xC3\xA9", "\xF0\x9F\x98\x80", "\xEF\xBB\xBF#", "\xC3", "\xC0\xAF", "\xE0\x80\x80",
            "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xE2\x82x", "\xF0\x9F\x98x", "\x80", "\xFF" }) {
        for (const std::string& text : { bytes, ascii + bytes, bytes + ascii }) {
            SCOPED_TRACE(text);
            std::u16string decoded;
            EXPECT_EQ(IsWellFormedUtf8(text), AppendUtf8AsUtf16(text, decoded) == 0);
        }
    }
}

// ASCII is copied many bytes at a time: a character outside it at any place
// of such a group, or at its edge, stops the copy exactly there, both ways.
TEST(Utf8, ConvertsACharacterBeyondAsciiWhereverItStandsInARunOfAscii)
{
    const std::pair<std::u16string, std::string> characters[]
        = { { u"\u00E9", "\xC3\xA9" }, { u"\u65E5", "\xE6\x97\xA5" }, { u"\U0001F600", "\xF0\x9F\x98\x80" },
              { u"\u0080", "\xC2\x80" }, { u"\u0100", "\xC4\x80" }, { u"\u7F7F", "\xE7\xBD\xBF" } };
    for (const auto& [character, bytes] : characters) {
        for (std::size_t length = 0; length <= 40; ++length) {
            std::string ascii;
            for (std::size_t i = 0; i < length; ++i)
                ascii += static_cast<char>('!' + i % 90);
            for (std::size_t at = 0; at <= length; ++at) {
                const std::string utf8 = ascii.substr(0, at) + bytes + ascii.substr(at);
                const std::u16string text
                    = Widened(ascii.substr(0, at)) + character + Widened(ascii.substr(at));
                SCOPED_TRACE(utf8);
                std::u16string decoded;
                EXPECT_EQ(AppendUtf8AsUtf16(utf8, decoded), 0u);
                EXPECT_EQ(decoded, text);
                EXPECT_EQ(Utf16ToUtf8(text), utf8);
            }
        }
    }
}

TEST(Encode, WritesALoneSurrogateAsTheReplacementCharacter)
{
    EXPECT_EQ(EncodeFeatureFile(u"\xD83Dx\xDE00\xD83D"), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(EncodeFeatureFile(u"\xD83D\xD83D\xDE00"), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeFeatureFile(u"a\0b"s), "a\0b"s);
}

// A text is written back with its first line end; each line break of the
// editor's text becomes that end, and a surrogate cut off by a break has no partner.
TEST(Encode, WritesEveryLineBreakAsTheTextsFirstLineEnd)
{
    const std::pair<std::u16string, std::u16string> firstEnds[]
        = { { u"a\r\nb\n", u"\r\n" }, { u"a\nb\r\n", u"\n" }, { u"a\rb\n", u"\r" }, { u"a\r", u"\r" },
              { u"a", u"\r\n" }, { u"", u"\r\n" } };
    for (const auto& [text, end] : firstEnds) {
        EXPECT_EQ(FirstLineEnd(text), end) << std::string(text.begin(), text.end());
        // Seen in two pieces, cut anywhere.
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            FirstLineEndFinder finder;
            finder.See(text.substr(0, cut));
            finder.See(text.substr(cut));
            EXPECT_EQ(finder.LineEnd(), end) << std::string(text.begin(), text.end()) << " cut at " << cut;
        }
    }

    EXPECT_EQ(EncodeWithLineEnds(u"\u00E9\u2029\u2029x\u2029", u'\u2029', u"\n"), "\xC3\xA9\n\nx\n");
    EXPECT_EQ(EncodeWithLineEnds(u"\xD83D\u2029\xDE00", u'\u2029', u"\r\n"), "\xEF\xBF\xBD\r\n\xEF\xBF\xBD");
    EXPECT_EQ(EncodeWithLineEnds(u"", u'\u2029', u"\r"), "");
}

// Read piece by piece, whatever falls on a piece's edge, a file decodes as all its
// bytes at once.
TEST(ReadFeatureFile, DecodesAsAllOfTheBytesAtOnce)
{
    constexpr std::size_t piece = 1 << 16;
    const auto scratch = std::filesystem::temp_directory_path() / "quillmark-pieces.feature";
    std::vector<std::pair<std::string, std::string>> cases = {
        // Nothing is cut at a buffer's size, and bytes that look like an end of file are read on.
        { "a large file with a zero byte at its end",
            std::string(2'500'000, 'a') + std::string("\x1A\0\xFF", 3) },
    };
    for (const std::string sequence : { "\xF0\x9F\x98\x80", "\xE2\x82x", "\xF0\x9F\x98", "\x80\x80" })
        for (std::size_t before = piece - 4; before <= piece; ++before)
            cases.emplace_back(
                std::to_string(before) + " bytes, then bytes " + std::to_string(sequence.size()),
                std::string(before, 'a') + sequence + "tail");
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::ofstream(scratch, std::ios::binary) << bytes;
        DecodedFeatureFile read;
        std::string error = "left over";
        ASSERT_TRUE(ReadFeatureFile(scratch.string(), read, error)) << error;
        EXPECT_EQ(error, "");
        const DecodedFeatureFile whole = DecodeFeatureFile(bytes);
        EXPECT_TRUE(read.text == whole.text)
            << read.text.size() << " units, " << whole.text.size() << " expected";
        EXPECT_EQ(read.encoding, whole.encoding);
        EXPECT_EQ(read.replacedSequences, whole.replacedSequences);
        EXPECT_EQ(read.unrecognisedEncoding, whole.unrecognisedEncoding);
    }
    std::filesystem::remove(scratch);
}

// A file is read up to the limit and no further, whatever size it gave
// beforehand: the files of /proc give none.
TEST(ReadFileBytes, StopsAtTheLimitWhateverSizeTheFileGave)
{
    const auto scratch = std::filesystem::temp_directory_path() / "quillmark-limit.feature";
    std::ofstream(scratch, std::ios::binary) << "0123456789";
    const struct {
        std::filesystem::path path;
        std::size_t limit;
        bool read;
    } cases[] = { { scratch, 10, true }, { scratch, 9, false }, { "/proc/self/maps", 100, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string() + " up to " + std::to_string(c.limit));
        if (!std::filesystem::exists(c.path))
            continue;
        std::string bytes, error;
        EXPECT_EQ(ReadFileBytes(c.path.string(), bytes, error, c.limit), c.read);
        EXPECT_EQ(error, c.read ? "" : "File too large");
        EXPECT_EQ(bytes.size(), c.read ? c.limit : 0);
    }
    std::filesystem::remove(scratch);
}

} // namespace
