#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

class FormatCommand : public CliTest { };

const std::string unformatted = "Feature: Pay\n"
                                "Scenario: Pay\n"
                                "Given a card\n"
                                "| a | b |\n"
                                "\"\"\"\n"
                                "  x\n"
                                "\"\"\"\n";

const std::string formatted = "Feature: Pay\r\n"
                              "Scenario: Pay\r\n"
                              "  Given a card\r\n"
                              "    | a | b |\r\n"
                              "    \"\"\"\r\n"
                              "      x\r\n"
                              "    \"\"\"\r\n";

TEST_F(FormatCommand, IndentsByLineRole)
{
    const CliResult result = Run({ "format", Write("pay.feature", unformatted) });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, formatted);
}

TEST_F(FormatCommand, UnformatKeepsDocStringIndentBeyondItsDelimiter)
{
    const CliResult result = Run({ "unformat", Write("pay.feature", formatted) });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
        "Feature: Pay\r\n"
        "Scenario: Pay\r\n"
        "Given a card\r\n"
        "| a | b |\r\n"
        "\"\"\"\r\n"
        "  x\r\n"
        "\"\"\"\r\n");
}

struct CheckCase {
    const char* name;
    const char* command;
    std::string text;
    int status;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class Check : public CliTest, public testing::WithParamInterface<CheckCase> { };

TEST_P(Check, PrintsNothingAndTellsByStatus)
{
    const CheckCase& c = GetParam();
    const CliResult result = Run({ c.command, "--check", Write("file.feature", c.text) });
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

// Already in form means: the command's output would be the file's text as it
// stands, line ends included.
INSTANTIATE_TEST_SUITE_P(Forms, Check,
    testing::Values(CheckCase { "FormattedPasses", "format", formatted, 0 },
        CheckCase { "UnformattedFails", "format", unformatted, 1 },
        CheckCase { "FormattedButLfFails", "format",
            "Feature: Pay\nScenario: Pay\n  Given a card\n    | a | b |\n    \"\"\"\n      x\n    \"\"\"\n",
            1 },
        CheckCase { "MissingFinalLineEndFails", "format", "Feature: Pay\r\n  Given a card", 1 },
        CheckCase { "UnformatOfUnindentedPasses", "unformat", "Feature: Pay\r\nGiven a card\r\n", 0 },
        CheckCase { "UnformatOfFormattedFails", "unformat", formatted, 1 }));

TEST_F(FormatCommand, FollowsTheFilesLanguage)
{
    const std::string text = "# language: de\nFunktionalität: x\nAngenommen y\n";
    EXPECT_EQ(Run({ "format", Write("de.feature", text) }).out,
        "  # language: de\r\nFunktionalität: x\r\n  Angenommen y\r\n");
    // In English neither line is a keyword line, and both stay where they are.
    EXPECT_EQ(Run({ "format", "--language", "en", "de.feature" }).out,
        "  # language: de\r\nFunktionalität: x\r\nAngenommen y\r\n");
}

TEST_F(FormatCommand, LinesBeyondTheAnalysedOnesCarriedOver)
{
    std::string text;
    for (int i = 0; i < 2100; ++i)
        text += "Given step " + std::to_string(i) + "\n";
    const CliResult result = Run({ "format", Write("long.feature", text) });
    EXPECT_EQ(result.status, 0);
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2100u);
    EXPECT_EQ(lines[0], "  Given step 0\r");
    EXPECT_EQ(lines[1997], "  Given step 1997\r");
    EXPECT_EQ(lines[1998], "Given step 1998\r");
    EXPECT_EQ(lines[2099], "Given step 2099\r");
}

} // namespace
