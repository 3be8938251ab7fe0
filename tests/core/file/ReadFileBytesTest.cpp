#include "core/file/FeatureFileCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class ReadFileBytesTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path()
            / (std::string("quillmark-read-")
                + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(ReadFileBytesTest, ReadsEveryByteOfALargeFile)
{
    std::string bytes(2'500'000, 'x');
    bytes[1] = '\0';
    bytes.back() = '\xFF';
    std::ofstream(folder_ / "large.feature", std::ios::binary) << bytes;
    std::string read = "left over";
    std::string error = "left over";
    ASSERT_TRUE(ReadFileBytes((folder_ / "large.feature").string(), read, error));
    EXPECT_TRUE(read == bytes) << "read " << read.size() << " of " << bytes.size() << " bytes";
    EXPECT_EQ(error, "");
}

TEST_F(ReadFileBytesTest, MissingFileOrFolderGivesReason)
{
    std::string read = "left over";
    std::string error;
    EXPECT_FALSE(ReadFileBytes((folder_ / "absent.feature").string(), read, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(read, "");
    EXPECT_FALSE(ReadFileBytes(folder_.string(), read, error));
    EXPECT_EQ(error, "Is a directory");
}

} // namespace
