#include "Bytes.h"
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
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("quillmark-read-") + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder_ / "locked.feature", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }
    fs::path Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder_;
};

TEST_F(ReadFileBytesTest, ReadsEveryByte)
{
    const std::string bytes = Bytes({ 0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, 0x80 });
    std::string read = "left over";
    std::string error = "left over";
    ASSERT_TRUE(ReadFileBytes(Write("utf16.feature", bytes).string(), read, error));
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(error, "");
}

TEST_F(ReadFileBytesTest, ReadsEmptyFile)
{
    std::string read = "left over";
    std::string error;
    ASSERT_TRUE(ReadFileBytes(Write("empty.feature", "").string(), read, error));
    EXPECT_EQ(read, "");
}

TEST_F(ReadFileBytesTest, ReadsLargeFileWhole)
{
    std::string bytes(2'500'000, 'x');
    bytes.back() = 'y';
    std::string read;
    std::string error;
    ASSERT_TRUE(ReadFileBytes(Write("large.feature", bytes).string(), read, error));
    EXPECT_EQ(read.size(), bytes.size());
    EXPECT_EQ(read, bytes);
}

TEST_F(ReadFileBytesTest, MissingFileGivesReason)
{
    std::string read = "left over";
    std::string error;
    EXPECT_FALSE(ReadFileBytes((folder_ / "absent.feature").string(), read, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(read, "");
}

TEST_F(ReadFileBytesTest, FolderGivesReason)
{
    std::string read;
    std::string error;
    EXPECT_FALSE(ReadFileBytes(folder_.string(), read, error));
    EXPECT_EQ(error, "Is a directory");
}

TEST_F(ReadFileBytesTest, UnreadableFileGivesReason)
{
    const fs::path path = Write("locked.feature", "Feature: x");
    fs::permissions(path, fs::perms::none);
    if (std::ifstream(path).is_open())
        GTEST_SKIP() << "this user reads files whatever their permissions";
    std::string read;
    std::string error;
    EXPECT_FALSE(ReadFileBytes(path.string(), read, error));
    EXPECT_EQ(error, "Permission denied");
}

} // namespace
