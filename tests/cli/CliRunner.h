#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs the built quillmark-cli from a shell, as a user would, inside a folder
// of the test's own, and collects what it printed and how it ended.
class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        // A new folder for every test, apart from the runs of other builds on the same machine.
        std::string name = (std::filesystem::temp_directory_path() / "quillmark-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        m_folder = name;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // Writes a file, and the folders it is in, in the test's folder and returns its name there.
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::filesystem::create_directories((m_folder / name).parent_path());
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
        return name;
    }

    // `shellPrefix` runs before the tool in the same shell; `redirects` may
    // send stdout elsewhere or take stdin from a file.
    CliResult Run(const std::vector<std::string>& args, const std::string& shellPrefix = "",
        const std::string& redirects = "")
    {
        std::string command
            = "cd " + Quoted(m_folder.string()) + " && " + shellPrefix + Quoted(QUILLMARK_CLI_PATH);
        for (const auto& arg : args)
            command += ' ' + Quoted(arg);
        command += " > stdout.txt 2> stderr.txt < /dev/null " + redirects;
        const int raw = std::system(command.c_str());
        return { WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read("stdout.txt"), Read("stderr.txt") };
    }

    std::string Read(const std::string& name)
    {
        std::ifstream in(m_folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static std::string Quoted(const std::string& arg)
    {
        std::string quoted = "'";
        for (char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + '\'';
    }

    std::filesystem::path m_folder;
};
