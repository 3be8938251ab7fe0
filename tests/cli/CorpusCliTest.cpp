#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/Corpus.h"

#include <algorithm>

namespace {

// Everything but blanks and line ends: what re-indenting must never change.
std::string Content(const std::string& text)
{
    std::string content;
    std::copy_if(text.begin(), text.end(), std::back_inserter(content),
        [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; });
    return content;
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

        const CliResult analysed = Run({ "analyse", path.string() });
        EXPECT_EQ(analysed.status, 0);
        EXPECT_EQ(Lines(analysed.out).size(), std::min<std::size_t>(lineCount, 1998));

        for (const char* command : { "format", "unformat" }) {
            SCOPED_TRACE(command);
            const CliResult result = Run({ command, path.string() });
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(Content(result.out), Content(original));
            // Its own output is in the form it makes.
            const std::string again = Write("again.feature", result.out);
            EXPECT_EQ(Run({ command, "--check", again }).status, 0);
        }
    }
}

} // namespace
