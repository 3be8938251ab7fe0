#include "CliRunner.h"
#include "support/Corpus.h"

#include <algorithm>

namespace {

// Everything but blanks and line ends: what re-indenting must never change.
std::string Content(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    return text;
}

class CorpusCli : public CliTest { };

TEST_F(CorpusCli, EveryFileClassifiesFormatsAndKeepsItsText)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string original = ReadWholeFile(path);
        const std::size_t lineCount = std::count(original.begin(), original.end(), '\n') + 1;

        const CliResult classified = Run({ "classify", path.string() });
        EXPECT_EQ(classified.status, 0);
        EXPECT_EQ(classified.err, "");
        EXPECT_EQ(Lines(classified.out).size(), lineCount);
        EXPECT_EQ(
            Lines(Run({ "analyse", path.string() }).out).size(), std::min<std::size_t>(lineCount, 1998));

        for (const char* command : { "format", "unformat" }) {
            const CliResult result = Run({ command, path.string() });
            EXPECT_EQ(result.status, 0) << command;
            EXPECT_EQ(Content(result.out), Content(original)) << command;
            // Its own output is already in the form it makes.
            EXPECT_EQ(Run({ command, "--check", Write("again.feature", result.out) }).status, 0) << command;
        }
    }
}

} // namespace
