#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Nothing is cut at a buffer's size, and bytes that look like an end of file are read on.
TEST(ReadFileBytes, ReadsAndDecodesALargeFileWhole)
{
    std::string bytes;
    while (bytes.size() < 2'500'000)
        bytes += "  Given a step\n";
    bytes += std::string("\x1A\0\xFF", 3);
    const auto path = std::filesystem::temp_directory_path() / "quillmark-large.feature";
    std::ofstream(path, std::ios::binary) << bytes;
    std::string read = "left over";
    std::string error = "left over";
    const bool ok = ReadFileBytes(path.string(), read, error);
    std::filesystem::remove(path);
    ASSERT_TRUE(ok) << error;
    EXPECT_TRUE(read == bytes) << "read " << read.size() << " of " << bytes.size() << " bytes";
    EXPECT_EQ(error, "");

    const DecodedFeatureFile decoded = DecodeFeatureFile(read);
    EXPECT_EQ(decoded.text.size(), bytes.size());
    EXPECT_TRUE(decoded.text.ends_with(std::u16string(u"\n\x1A\0\xFFFD", 4)));
    EXPECT_EQ(decoded.replacedSequences, 1u);
}

// Reading a file piece by piece decodes it exactly as decoding all of its
// bytes does, whatever falls on the edge of a piece, and gives way to the
// whole-file reading for bytes that are no UTF-8.
TEST(ReadFeatureFile, DecodesAsAllOfTheBytesAtOnce)
{
    constexpr std::size_t piece = 1 << 16;
    const std::string sequences[] = { "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xE2\x82x",
        "\xF0\x9F\x98", "\xC0\x80", "\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80" };
    std::vector<std::pair<std::string, std::string>> cases = {
        { "empty", "" },
        { "one byte", "F" },
        { "several pieces of ASCII", std::string(3 * piece + 17, 'a') },
        { "a byte-order mark of UTF-16", "\xFF\xFE" + std::string("F\0e\0a\0\n\0", 8) },
        { "a zero byte after the first piece", std::string(piece + 5, 'a') + std::string("\0b", 2) },
        { "UTF-16 without a mark", std::string("F\0e\0a\0\n\0", 8) },
    };
    for (const std::string& sequence : sequences)
        for (std::size_t before = piece - 4; before <= piece; ++before)
            cases.emplace_back(
                std::to_string(before) + " bytes, then bytes " + std::to_string(sequence.size()),
                std::string(before, 'a') + sequence + "tail");

    const auto path = std::filesystem::temp_directory_path() / "quillmark-pieces.feature";
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::ofstream(path, std::ios::binary) << bytes;
        DecodedFeatureFile read;
        std::string error = "left over";
        ASSERT_TRUE(ReadFeatureFile(path.string(), read, error)) << error;
        EXPECT_EQ(error, "");
        const DecodedFeatureFile whole = DecodeFeatureFile(bytes);
        EXPECT_TRUE(read.text == whole.text)
            << read.text.size() << " units, " << whole.text.size() << " expected";
        EXPECT_EQ(read.encoding, whole.encoding);
        EXPECT_EQ(read.replacedSequences, whole.replacedSequences);
        EXPECT_EQ(read.unrecognisedEncoding, whole.unrecognisedEncoding);
    }
    std::filesystem::remove(path);

    DecodedFeatureFile read;
    std::string error;
    EXPECT_FALSE(ReadFeatureFile(path.string(), read, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(ReadFeatureFile(std::filesystem::temp_directory_path().string(), read, error));
    EXPECT_EQ(error, "Is a directory");
}

std::u16string WithoutLineEnds(std::u16string text)
{
    std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return text;
}

// Every real file, written as UTF-16 without a mark in either byte order, is
// told from UTF-8 by its zero bytes and read back with its text intact.
TEST(Corpus, EveryFileIsRecognisedAsUtf16WithoutAMark)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::string bytes;
        std::string error;
        ASSERT_TRUE(ReadFileBytes(path.string(), bytes, error)) << error;
        const DecodedFeatureFile asUtf8 = DecodeFeatureFile(bytes);
        EXPECT_FALSE(asUtf8.unrecognisedEncoding);
        const std::u16string& text = asUtf8.text;
        if (text.empty())
            continue;
        for (const auto encoding :
            { FeatureFileEncoding::Utf16LittleEndian, FeatureFileEncoding::Utf16BigEndian }) {
            std::string utf16;
            for (char16_t unit : text) {
                const auto low = static_cast<char>(unit & 0xFF);
                const auto high = static_cast<char>(unit >> 8);
                utf16 += encoding == FeatureFileEncoding::Utf16LittleEndian ? std::string { low, high }
                                                                            : std::string { high, low };
            }
            const DecodedFeatureFile decoded = DecodeFeatureFile(utf16);
            EXPECT_EQ(decoded.encoding, encoding);
            EXPECT_EQ(WithoutLineEnds(decoded.text), WithoutLineEnds(text));
            EXPECT_EQ(decoded.replacedSequences, 0u);
            EXPECT_FALSE(decoded.unrecognisedEncoding);
        }
    }
}

} // namespace
