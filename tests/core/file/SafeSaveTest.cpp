#include "core/file/SafeSave.h"
#include "support/SavePromises.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

SaveOutcome Save(const fs::path& path, const ContentsWriter& writer, std::string& error)
{
    return SaveFileSafely(path.string(), writer, error);
}

bool WriteNew(int fd)
{
    return WriteAllBytes(fd, "new\n");
}

class SafeSave : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "quillmark-safe-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        m_folder = name;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path m_folder;
};

TEST_F(SafeSave, KeepsThePromisesOfEverySave)
{
    ExpectSavePromises(
        [](const std::string& path) {
            RemoveAbandonedTemporaries(path);
            std::string error;
            return SaveFileSafely(path, WriteNew, error) == SaveOutcome::Saved;
        },
        "old\n", "new\n");
}

// A write cut short leaves the old file as it was, and no temporary file,
// and says why in the system's words.
TEST_F(SafeSave, AWriteCutShortLeavesTheFileAndNoTemporary)
{
    const fs::path file = m_folder / "x.feature";
    std::ofstream(file, std::ios::binary) << "old\n";
    std::string error;
    const auto cutShort = [](int fd) {
        WriteAllBytes(fd, "ne");
        errno = ENOSPC;
        return false;
    };
    EXPECT_EQ(Save(file, cutShort, error), SaveOutcome::Failed);
    EXPECT_EQ(error, "No space left on device");
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old\n");
    EXPECT_EQ(Names(), std::vector<std::string> { "x.feature" });
}

// A new file gets the mode any new file gets under the umask; where no file
// can be made beside it, the caller is told so apart from other failures.
TEST_F(SafeSave, ANewFileHasTheModeOfNewFiles)
{
    const mode_t umask = ::umask(027);
    std::string error;
    EXPECT_EQ(Save(m_folder / "new.feature", WriteNew, error), SaveOutcome::Saved);
    ::umask(umask);
    EXPECT_EQ(fs::status(m_folder / "new.feature").permissions(), fs::perms(0640));
    EXPECT_EQ(Save(m_folder / "no folder" / "new.feature", WriteNew, error), SaveOutcome::NoTemporaryFile);
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_EQ(Names(), std::vector<std::string> { "new.feature" });
}

} // namespace
