#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

class Usage : public CliTest { };

TEST_F(Usage, HelpDescribesEveryCommand)
{
    for (const char* option : { "--help", "-h", "help" }) {
        SCOPED_TRACE(option);
        const CliResult result = Run({ option });
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        for (const char* command : { "languages", "--i18n-languages", "keywords CODE", "--i18n-keywords CODE",
                 "classify [--language CODE] FILE", "analyse [--language CODE] FILE",
                 "format [--check] [--language CODE] FILE", "unformat [--check] [--language CODE] FILE" })
            EXPECT_NE(result.out.find(command), std::string::npos) << command;
    }
}

TEST_F(Usage, NoArgumentsShowsUsageAsAnError)
{
    const CliResult result = Run({});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Usage: quillmark-cli"), std::string::npos);
}

struct MisuseCase {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

void PrintTo(const MisuseCase& c, std::ostream* os)
{
    *os << c.name;
}

class Misuse : public CliTest, public testing::WithParamInterface<MisuseCase> { };

// Every mistake on the command line gives one line on stderr, nothing on
// stdout, and status 2, before any file is read.
TEST_P(Misuse, GivesOneLineAndStatusTwo)
{
    const MisuseCase& c = GetParam();
    std::vector<std::string> args = c.args;
    for (auto& arg : args)
        if (arg == "FILE")
            arg = Write("ok.feature", "Feature: x\n");
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    EXPECT_TRUE(result.err.starts_with("quillmark-cli: ")) << result.err;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, Misuse,
    testing::Values(MisuseCase { "UnknownCommand", { "colour", "FILE" }, "unknown command 'colour'" },
        MisuseCase { "KeywordsWithoutCode", { "keywords" }, "keywords needs a language code" },
        MisuseCase { "KeywordsTwoCodes", { "keywords", "en", "de" }, "unexpected argument 'de'" },
        MisuseCase { "LanguagesWithOperand", { "languages", "en" }, "unexpected argument 'en'" },
        MisuseCase { "ClassifyWithoutFile", { "classify" }, "classify needs a file" },
        MisuseCase { "AnalyseTwoFiles", { "analyse", "FILE", "FILE" }, "unexpected argument" },
        MisuseCase {
            "LanguageWithoutCode", { "classify", "FILE", "--language" }, "--language needs a language code" },
        MisuseCase { "CheckOnClassify", { "classify", "--check", "FILE" }, "unknown option '--check'" },
        MisuseCase { "UnknownOption", { "format", "--indent=4", "FILE" }, "unknown option '--indent=4'" },
        MisuseCase {
            "UnknownLanguageOption", { "format", "--language", "xx", "FILE" }, "unknown language code 'xx'" },
        MisuseCase {
            "UnknownLanguageEquals", { "analyse", "--language=EN", "FILE" }, "unknown language code 'EN'" }));

TEST_F(Usage, DoubleDashEndsOptions)
{
    Write("-odd.feature", "Feature: x\n");
    const CliResult result = Run({ "classify", "--", "-odd.feature" });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("0\t1\tFEATURE_LINE\tFeature\n")) << result.out;
}

TEST_F(Usage, OptionsMayFollowTheFile)
{
    const std::string path = Write("de.feature", "Funktionalität: x\n");
    const CliResult result = Run({ "classify", path, "--language=de" });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("0\t1\tFEATURE_LINE\tFunktionalität\n")) << result.out;
}

} // namespace
