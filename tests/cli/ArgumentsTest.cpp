#include "CliRunner.h"

namespace {

class Usage : public CliTest { };

TEST_F(Usage, HelpDescribesEveryCommand)
{
    for (const char* option : { "--help", "-h" }) {
        const CliResult result = Run({ option });
        EXPECT_EQ(result.status, 0);
        for (const char* command : { "languages", "--i18n-languages", "keywords CODE", "--i18n-keywords CODE",
                 "classify [--language CODE] FILE", "analyse [--language CODE] FILE",
                 "format [--check] [--language CODE] FILE", "unformat [--check] [--language CODE] FILE" })
            EXPECT_NE(result.out.find(command), std::string::npos) << option << " lacks " << command;
    }
    const CliResult bare = Run({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.out, "");
    EXPECT_NE(bare.err.find("Usage: quillmark-cli"), std::string::npos);
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

// A mistake on the command line gives one line on stderr, nothing on stdout
// and status 2.
TEST_P(Misuse, GivesOneLineAndStatusTwo)
{
    Write("ok.feature", "Feature: x\n");
    const CliResult result = Run(GetParam().args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    EXPECT_TRUE(result.err.starts_with("quillmark-cli: ")) << result.err;
    EXPECT_NE(result.err.find(GetParam().says), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(CommandLine, Misuse,
    testing::Values(MisuseCase { "UnknownCommand", { "colour", "ok.feature" }, "unknown command 'colour'" },
        MisuseCase { "KeywordsWithoutCode", { "keywords" }, "keywords needs a language code" },
        MisuseCase { "LanguagesWithOperand", { "languages", "en" }, "unexpected argument 'en'" },
        MisuseCase { "TwoFiles", { "analyse", "ok.feature", "ok.feature" }, "unexpected argument" },
        MisuseCase { "LanguageWithoutCode", { "classify", "ok.feature", "--language" }, "--language needs" },
        MisuseCase { "CheckOnClassify", { "classify", "--check", "ok.feature" }, "unknown option '--check'" },
        MisuseCase {
            "UnknownLanguage", { "format", "--language=EN", "ok.feature" }, "unknown language code 'EN'" },
        MisuseCase { "UnknownKeywordsCode", { "keywords", "xx" }, "unknown language code 'xx'" }));

TEST_F(Usage, OutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const CliResult result = Run({ "languages" }, "/dev/full");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("cannot write the output"), std::string::npos) << result.err;
}

} // namespace
