#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Nothing is cut at a buffer's size, and bytes that look like an end of file are read on.
TEST(ReadFileBytes, ReadsALargeFileWhole)
{
    std::string bytes;
    while (bytes.size() < 2'500'000)
        bytes += "  Given a step\n";
    bytes += std::string("\x1A\0\xFF", 3);
    const auto scratch = std::filesystem::temp_directory_path() / "quillmark-large.feature";
    std::ofstream(scratch, std::ios::binary) << bytes;
    std::string read = "left over", error = "left over";
    ASSERT_TRUE(ReadFileBytes(scratch.string(), read, error)) << error;
    EXPECT_TRUE(read == bytes) << "read " << read.size() << " of " << bytes.size() << " bytes";
    EXPECT_EQ(error, "");
    std::filesystem::remove(scratch);
}

// Reading a file piece by piece decodes it exactly as decoding all of its
// bytes does, whatever falls on the edge of a piece, and gives way to the
// whole-file reading for bytes that are no UTF-8.
TEST(ReadFeatureFile, DecodesAsAllOfTheBytesAtOnce)
{
    constexpr std::size_t piece = 1 << 16;
    const auto scratch = std::filesystem::temp_directory_path() / "quillmark-pieces.feature";
    std::vector<std::pair<std::string, std::string>> cases = {
        { "empty", "" },
        { "several pieces of ASCII", std::string(3 * piece + 17, 'a') },
        { "a byte-order mark of UTF-16", "\xFF\xFE" + std::string("F\0e\0a\0\n\0", 8) },
        { "a zero byte after the first piece", std::string(piece + 5, 'a') + std::string("\0b", 2) },
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

    DecodedFeatureFile read;
    std::string error;
    EXPECT_FALSE(ReadFeatureFile(scratch.string(), read, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(ReadFeatureFile(std::filesystem::temp_directory_path().string(), read, error));
    EXPECT_EQ(error, "Is a directory");
}

} // namespace
