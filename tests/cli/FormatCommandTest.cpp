#include "CliRunner.h"

namespace {

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

class FormatCommand : public CliTest { };

TEST_F(FormatCommand, IndentsByLineRoleAndUnformatUndoesIt)
{
    const CliResult result = Run({ "format", Write("pay.feature", unformatted) });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, formatted);
    std::string crLf;
    for (char c : unformatted)
        crLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Run({ "unformat", Write("formatted.feature", formatted) }).out, crLf);
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
    const CliResult result = Run({ GetParam().command, "--check", Write("file.feature", GetParam().text) });
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

// In form means that the output would be the file's text as it stands, line
// ends included.
INSTANTIATE_TEST_SUITE_P(Forms, Check,
    testing::Values(CheckCase { "FormattedPasses", "format", formatted, 0 },
        CheckCase { "UnformattedFails", "format", unformatted, 1 },
        CheckCase { "IndentedWithLfFails", "format", "Feature: Pay\n  Given a card\n", 1 },
        CheckCase { "MissingFinalLineEndFails", "format", "Feature: Pay\r\n  Given a card", 1 },
        CheckCase { "UnformatOfPlainPasses", "unformat", "Feature: Pay\r\nGiven a card\r\n", 0 },
        CheckCase { "UnformatOfFormattedFails", "unformat", formatted, 1 }));

TEST_F(FormatCommand, LinesBeyondTheAnalysedOnesCarriedOver)
{
    std::string text;
    for (int i = 0; i < 2100; ++i)
        text += "Given step " + std::to_string(i) + "\n";
    const auto lines = Lines(Run({ "format", Write("long.feature", text) }).out);
    ASSERT_EQ(lines.size(), 2100u);
    EXPECT_EQ(lines[1997], "  Given step 1997\r");
    EXPECT_EQ(lines[1998], "Given step 1998\r");
    EXPECT_EQ(lines[2099], "Given step 2099\r");
}

} // namespace
