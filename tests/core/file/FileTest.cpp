#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

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

} // namespace
