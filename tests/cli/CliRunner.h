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

// Runs the built quillmark-cli from a shell, as a user would, inside a folder
// of the test's own, and collects what it printed and how it ended.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ShellQuoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += '\'';
    return quoted;
}

// The rows of the tool's table output.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
        name += testing::UnitTest::GetInstance()->current_test_info()->name();
        std::erase(name, '/');
        folder_ = std::filesystem::temp_directory_path() / ("quillmark-cli-" + name);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Writes a file in the test's folder and returns its name there.
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return name;
    }

    // Runs the tool; its stdout goes to `stdoutTo` (read back only when it is
    // the default file in the test's folder).
    CliResult Run(const std::vector<std::string>& args, const std::string& stdoutTo = "stdout.txt")
    {
        std::string command = "cd ";
        command += ShellQuoted(folder_.string());
        command += " && ";
        command += shellPrefix_;
        command += ShellQuoted(QUILLMARK_CLI_PATH);
        for (const auto& arg : args) {
            command += ' ';
            command += ShellQuoted(arg);
        }
        command += " > ";
        command += ShellQuoted(stdoutTo);
        command += " 2> stderr.txt < /dev/null";
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (stdoutTo == "stdout.txt")
            result.out = ReadWholeFile(folder_ / stdoutTo);
        result.err = ReadWholeFile(folder_ / "stderr.txt");
        return result;
    }

    std::filesystem::path folder_;
    std::string shellPrefix_; // run before the tool in the same shell, "ulimit ...; " say
};
