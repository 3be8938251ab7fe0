#include "CliRunner.h"
#include "support/Corpus.h"

#include <algorithm>
#include <regex>

namespace {

using CheckCommand = CliTest;

const std::filesystem::path GHERKIN_DATA = QUILLMARK_SOURCE_DIR "/tests/golden/gherkin";

std::vector<std::filesystem::path> FeatureFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".feature")
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> ErrorLines(const std::string& output)
{
    std::vector<std::string> errors;
    for (const std::string& line : Lines(output)) {
        if (line.find(": error: ") != std::string::npos)
            errors.push_back(line);
    }
    return errors;
}

// What check must print for each error of a Cucumber .errors.ndjson file:
// its place, then its message without the place Cucumber puts in front.
std::vector<std::string> ExpectedErrors(const std::string& file, const std::string& ndjson)
{
    static const std::regex error(R"re("message":"\((\d+):(\d+)\): ((?:[^"\\]|\\.)*)")re");
    static const std::regex escape(R"(\\(.))");
    std::vector<std::string> expected;
    for (const std::string& line : Lines(ndjson)) {
        std::smatch match;
        EXPECT_TRUE(std::regex_search(line, match, error)) << line;
        expected.push_back(file + ":" + match[1].str() + ":" + match[2].str()
            + ": error: " + std::regex_replace(match[3].str(), escape, "$1"));
    }
    return expected;
}

TEST_F(CheckCommand, PrintsEveryErrorOfCucumbersBadFilesAsItReportsThem)
{
    const auto files = FeatureFiles(GHERKIN_DATA / "bad");
    ASSERT_EQ(files.size(), 12u);
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const CliResult result = Run({ "check", path.string() });
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(
            ErrorLines(result.out), ExpectedErrors(path.string(), Read(path.string() + ".errors.ndjson")));
    }
}

TEST_F(CheckCommand, FindsNoErrorInCucumbersGoodFiles)
{
    const CliResult result = Run({ "check", (GHERKIN_DATA / "good").string() });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ErrorLines(result.out), std::vector<std::string>());
}

TEST_F(CheckCommand, FindsNoErrorInTheCorpus)
{
    if (CorpusFiles().empty())
        GTEST_SKIP() << CorpusMissing();
    const CliResult result = Run({ "check", QUILLMARK_CORPUS_DIR });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ErrorLines(result.out), std::vector<std::string>());
}

TEST_F(CheckCommand, LinesInTheFormOfCompilersAndStatusByWhatItFound)
{
    Write("features/a.feature",
        "Feature: a\n  Scenario Outline: s\n    Given <n> and <m>\n  Examples:\n    | n |\n    | 1 |\n");
    Write("features/deeper/b.feature", "Feature: b\n  bad\n  Scenario: s\n    Given x\n  bad @ line\n");
    Write("features/notes.txt", "bad\n");
    Write("clean.feature", "Feature: c\n");

    const CliResult folder = Run({ "check", "features" });
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(Lines(folder.out),
        (std::vector<std::string> {
            "features/a.feature:3:19: warning: placeholder <m> has no column in the Examples at line 4 "
            "[unknown-placeholder]",
            "features/deeper/b.feature:5:3: error: expected: #EOF, #TableRow, #DocStringSeparator, "
            "#StepLine, "
            "#TagLine, #ExamplesLine, #ScenarioLine, #RuleLine, #Comment, #Empty, got 'bad @ line'",
        }));

    EXPECT_EQ(Run({ "check", "features/a.feature", "clean.feature" }).status, 0);
    EXPECT_EQ(Run({ "check", "--strict", "features/a.feature", "clean.feature" }).status, 1);
    EXPECT_EQ(Run({ "check", "--strict", "clean.feature" }).out, "");

    const CliResult input = Run({ "check", "-" }, "", "< features/deeper/b.feature");
    EXPECT_EQ(input.status, 1);
    EXPECT_TRUE(input.out.starts_with("<stdin>:5:3: error: expected: ")) << input.out;
}

TEST_F(CheckCommand, UnreadableFilesAndUnknownLanguagesAreStatusTwo)
{
    Write("bad.feature", "nonsense\n");
    const CliResult missing = Run({ "check", "missing.feature", "bad.feature" });
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read missing.feature"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.starts_with("bad.feature:1:1: error: ")) << missing.out;

    const CliResult unknown = Run({ "check", "--language", "xx", "bad.feature" });
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("unknown language code 'xx'"), std::string::npos) << unknown.err;
    EXPECT_EQ(Run({ "check" }).status, 2);
    EXPECT_EQ(Run({ "check", "--write", "bad.feature" }).status, 2);
}

// A file without a "# language:" line is read in the language asked for,
// one of Cucumber's own (which the editor's dictionary lacks, as here).
TEST_F(CheckCommand, ReadsInTheLanguageAskedFor)
{
    Write("te.feature", "గుణము: x\n");
    EXPECT_EQ(Run({ "check", "te.feature" }).status, 1);
    const CliResult telugu = Run({ "check", "--language=te", "te.feature" });
    EXPECT_EQ(telugu.status, 0);
    EXPECT_EQ(telugu.out, "");
}

} // namespace
