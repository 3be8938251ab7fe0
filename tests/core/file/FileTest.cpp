#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Reading a file piece by piece decodes it exactly as decoding all of its
// bytes does, whatever falls on the edge of a piece, and gives way to reading
// the whole file for bytes that are no UTF-8. What cannot be read is the
// command-line tests' to show, with its reason.
TEST(ReadFeatureFile, DecodesAsAllOfTheBytesAtOnce)
{
    constexpr std::size_t piece = 1 << 16;
    const auto scratch = std::filesystem::temp_directory_path() / "quillmark-pieces.feature";
    std::vector<std::pair<std::string, std::string>> cases = {
        { "empty", "" },
        { "several pieces of ASCII", std::string(3 * piece + 17, 'a') },
        { "a byte-order mark of UTF-16", "\xFF\xFE" + std::string("F\0e\0a\0\n\0", 8) },
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

} // namespace
