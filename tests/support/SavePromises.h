#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include <stdlib.h>

// The promises every way of saving a file keeps, checked the same way for
// each: `save(path)` saves the file at `path`, which holds `oldText`, so that
// it holds `newText`, and says whether it did. A read-only file is refused
// (the tests run as root in CI, where access() lets everything through); a
// link stays a link and its target is written; the mode stays; and nothing
// but the file is left beside it, not even what a save killed part way had
// left there.
inline void ExpectSavePromises(const std::function<bool(const std::string& path)>& save,
    const std::string& oldText, const std::string& newText)
{
    namespace fs = std::filesystem;
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const struct {
        const char* name;
        fs::perms mode;
        bool throughLink;
        bool saved;
    } cases[] = {
        { "a read-only file", fs::perms(0444), false, false },
        { "a read-only file behind a link", fs::perms(0444), true, false },
        { "a file only its owner may read", fs::perms(0600), false, true },
        { "a file with the set-group-id bit", fs::perms(02751), false, true },
        { "a link", fs::perms(0644), true, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string name = (fs::temp_directory_path() / "quillmark-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        const fs::path folder = name;
        const fs::path target = folder / "target.feature";
        const fs::path link = folder / "link.feature";
        std::ofstream(target, std::ios::binary) << oldText;
        std::ofstream(folder / ".target.feature.quillmark-AbC123") << "left by a killed save";
        fs::permissions(target, c.mode);
        std::set<std::string> names { target.filename().string() };
        if (c.throughLink) {
            fs::create_symlink(target.filename(), link);
            names.insert(link.filename().string());
        }

        EXPECT_EQ(save((c.throughLink ? link : target).string()), c.saved);
        EXPECT_EQ(read(target), c.saved ? newText : oldText);
        EXPECT_EQ(fs::status(target).permissions(), c.mode);
        if (c.throughLink) {
            EXPECT_TRUE(fs::is_symlink(link));
            EXPECT_EQ(fs::read_symlink(link), target.filename());
        }
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder))
            found.insert(entry.path().filename().string());
        EXPECT_EQ(found, names);
        fs::remove_all(folder);
    }
}
