// Every feature file of features/ against what quillmark-cli prints of it:
// NAME.analyse always, NAME.format and NAME.unformat where they exist.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string CliOutput(const std::string& command, const std::filesystem::path& feature)
{
    const std::string line
        = std::string("'") + QUILLMARK_CLI_PATH + "' " + command + " '" + feature.string() + "' 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, got);
        pclose(pipe);
    }
    return out;
}

// The lines that differ, each as expected and as printed.
std::string Difference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> want = Lines(expected), got = Lines(actual);
    std::string report;
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string a = i < want.size() ? want[i] : "(none)", b = i < got.size() ? got[i] : "(none)";
        if (a != b)
            report
                += "  line " + std::to_string(i + 1) + " expected: " + a + "\n         printed: " + b + "\n";
    }
    return report.empty() ? "  (line ends differ)\n" : report;
}

// QUILLMARK_UPDATE_GOLDEN=1 writes what is printed as the new expectation.
TEST(Golden, EveryFileIsPrintedAsItsExpectationsSay)
{
    const bool update = std::getenv("QUILLMARK_UPDATE_GOLDEN") != nullptr;
    int compared = 0;
    for (const auto& entry :
        std::filesystem::directory_iterator(QUILLMARK_SOURCE_DIR "/tests/golden/features")) {
        if (entry.path().extension() != ".feature")
            continue;
        for (const char* command : { "analyse", "format", "unformat" }) {
            const std::filesystem::path expectation
                = std::filesystem::path(entry.path()).replace_extension(command);
            if (std::string(command) != "analyse" && !std::filesystem::exists(expectation))
                continue;
            const std::string actual = CliOutput(command, entry.path());
            if (update)
                std::ofstream(expectation, std::ios::binary) << actual;
            std::ifstream in(expectation, std::ios::binary);
            const std::string expected { std::istreambuf_iterator<char>(in),
                std::istreambuf_iterator<char>() };
            ++compared;
            EXPECT_TRUE(actual == expected) << command << " " << entry.path().filename().string()
                                            << " differs from " << expectation.filename().string() << ":\n"
                                            << Difference(expected, actual);
        }
    }
    EXPECT_GT(compared, 0);
}

} // namespace
