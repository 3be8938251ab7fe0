#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

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
