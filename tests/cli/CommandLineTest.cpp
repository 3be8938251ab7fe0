#include "CliRunner.h"

#include <QuillmarkVersion.h>

#include <algorithm>

namespace {

using CommandLine = CliTest;

TEST_F(CommandLine, HelpDescribesEveryCommandAndVersionNamesTheVersion)
{
    const CliResult help = Run({ "--help" });
    EXPECT_EQ(help.status, 0);
    for (const char* command : { "--i18n-keywords CODE", "analyse [--language CODE] FILE",
             "align [--check | --write] [--line-ends crlf|lf] [--language CODE] FILE...",
             "check [--strict] [--language CODE] FILE..." })
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    EXPECT_EQ(Run({ "-h" }).out, help.out);
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    const CliResult version = Run({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quillmark-cli ") + quillmarkVersion + "\n");
    const CliResult bare = Run({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.out, "");
    EXPECT_TRUE(bare.err.starts_with("Usage: quillmark-cli")) << bare.err;
}

// ICU is loaded only to measure table cells beyond ASCII, not at start-up:
// the dynamic linker names every library it loads.
TEST_F(CommandLine, IcuIsLoadedOnlyForWidthsBeyondAscii)
{
    Write("ascii.feature", "Feature: x\n  * s\n  |a|bb|\n");
    Write("wide.feature", "Feature: x\n  * s\n  |名前|b|\n");
    const std::pair<std::vector<std::string>, bool> cases[] = {
        { { "format", "wide.feature" }, false },
        { { "align", "ascii.feature" }, false },
        { { "align", "wide.feature" }, true },
    };
    for (const auto& [args, loaded] : cases) {
        SCOPED_TRACE(args.front() + " " + args.back());
        const CliResult result = Run(args, "LD_DEBUG=files ");
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err.find("libicuuc") != std::string::npos, loaded);
    }
}

// A mistake on the command line, a folder named as a file among them, gives
// one line on stderr, nothing on stdout and status 2.
TEST_F(CommandLine, MisuseGivesOneLineAndStatusTwo)
{
    Write("ok.feature", "Feature: x\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "colour", "ok.feature" }, "unknown command 'colour'" },
        { { "keywords" }, "keywords needs a language code" },
        { { "languages", "en" }, "unexpected argument 'en'" },
        { { "classify", "ok.feature", "--language" }, "--language needs" },
        { { "classify", "--check", "ok.feature" }, "unknown option '--check'" },
        { { "format", "--language=EN", "ok.feature", "ok.feature" }, "unknown language code 'EN'" },
        { { "align", "--check", "--write", "ok.feature" }, "--check and --write do not go together" },
        { { "align", "--line-ends", "cr", "ok.feature" }, "--line-ends takes crlf or lf" },
        { { "align" }, "align needs a file" },
        { { "classify", "." }, "cannot read .: Is a directory" },
    };
    for (const auto& [args, says] : cases) {
        SCOPED_TRACE(says);
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
        EXPECT_TRUE(result.err.starts_with("quillmark-cli: ") && result.err.find(says) != std::string::npos)
            << result.err;
    }
}

TEST_F(CommandLine, OutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const CliResult result = Run({ "languages" }, "", "> /dev/full");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("cannot write the output"), std::string::npos) << result.err;
}

// Languages: code, English name, native name. Keywords: the record as the
// dictionary holds it, its types in alphabetical order, and not the current
// language's copy, which is sorted longest first across types.
TEST_F(CommandLine, LanguagesAndTheirKeywords)
{
    const CliResult result = Run({ "languages" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Run({ "--i18n-languages" }).out, result.out);
    const auto languages = Lines(result.out);
    EXPECT_GT(languages.size(), 70u);
    EXPECT_NE(std::ranges::find(languages, "en\tEnglish\tEnglish"), languages.end());

    const std::string keywords = Run({ "keywords", "de" }).out;
    EXPECT_EQ(Run({ "--i18n-keywords", "de" }).out, keywords);
    ASSERT_NE(keywords.find("\nFEATURE\tFunktionalität\n"), std::string::npos);
    std::vector<std::string> types;
    for (const auto& row : Lines(keywords))
        types.push_back(row.substr(0, row.find('\t')));
    EXPECT_TRUE(std::ranges::is_sorted(types)) << "each type's keywords together, the types in their order";
}

} // namespace
