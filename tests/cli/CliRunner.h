#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

// Runs the built quillmark-cli as a user would, from a shell, and collects
// what it printed and how it ended.
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

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ShellQuoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// A folder of its own for each test, removed afterwards.
class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("quillmark-cli-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '-';
        folder_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        WriteWholeFile(folder_ / name, bytes);
        return (folder_ / name).string();
    }

    CliResult Run(const std::vector<std::string>& args)
    {
        // From inside the test's folder, so that tests may name files as a user would.
        std::string command
            = "cd " + ShellQuoted(folder_.string()) + " && " + ShellQuoted(QUILLMARK_CLI_PATH);
        for (const auto& arg : args) {
            command += ' ';
            command += ShellQuoted(arg);
        }
        const auto out = folder_ / "stdout.txt";
        const auto err = folder_ / "stderr.txt";
        command += " > " + ShellQuoted(out.string()) + " 2> " + ShellQuoted(err.string()) + " < /dev/null";
        CliResult result;
        const int raw = std::system(command.c_str());
#ifdef _WIN32
        result.status = raw;
#else
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        result.out = ReadWholeFile(out);
        result.err = ReadWholeFile(err);
        return result;
    }

    std::filesystem::path folder_;
};

// The lines of a text ended by "\n" (the tool's table output).
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Splits a table row at its tabs.
inline std::vector<std::string> Fields(const std::string& row)
{
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t tab = row.find('\t', begin);
        fields.push_back(row.substr(begin, tab == std::string::npos ? std::string::npos : tab - begin));
        if (tab == std::string::npos)
            return fields;
        begin = tab + 1;
    }
}
