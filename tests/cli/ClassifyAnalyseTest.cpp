#include "CliRunner.h"

namespace {

class Classify : public CliTest { };

TEST_F(Classify, GermanFileByItsDirective)
{
    Write("de.feature",
        "# language: de\n"
        "Funktionalität: Äpfel\n"
        "  Beschreibung hier\n"
        "  Grundlage:\n"
        "    Angenommen ich habe 3 Äpfel\n"
        "  Szenario: essen\n"
        "    Wenn ich einen esse\n"
        "      | a | b |\n");
    const CliResult result = Run({ "classify", "de.feature" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
        "0\t11\tCOMMENT_LINE\t#\n"
        "1\t1\tFEATURE_LINE\tFunktionalität\n"
        "2\t12\tTEXT_LINE\t\n"
        "3\t4\tBACKGROUND_LINE\tGrundlage\n"
        "4\t7\tSTEP_LINE\tAngenommen\n"
        "5\t3\tSCENARIO_LINE\tSzenario\n"
        "6\t7\tSTEP_LINE\tWenn\n"
        "7\t8\tTABLE_LINE\t|\n"
        "8\t12\tTEXT_LINE\t\n");
}

TEST_F(Classify, EveryKindOfLineBreakEndsALine)
{
    Write("breaks.feature", "Feature: a\r\nScenario: b\rGiven c\nThen d");
    EXPECT_EQ(Run({ "classify", "breaks.feature" }).out,
        "0\t1\tFEATURE_LINE\tFeature\n"
        "1\t3\tSCENARIO_LINE\tScenario\n"
        "2\t7\tSTEP_LINE\tGiven\n"
        "3\t7\tSTEP_LINE\tThen\n");
}

struct LanguageCase {
    const char* name;
    std::string text;
    std::vector<std::string> options;
    std::string secondRow;
    std::string err;
};

void PrintTo(const LanguageCase& c, std::ostream* os)
{
    *os << c.name;
}

class LanguageSelection : public CliTest, public testing::WithParamInterface<LanguageCase> { };

TEST_P(LanguageSelection, AsTheEditorOpensAFile)
{
    std::vector<std::string> args { "classify", Write("file.feature", GetParam().text) };
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(Lines(result.out).at(1), GetParam().secondRow);
}

INSTANTIATE_TEST_SUITE_P(Directive, LanguageSelection,
    testing::Values(LanguageCase { "NoDirectiveIsEnglish", "Feature: a\nFunktionalität: b\n", {},
                        "1\t12\tTEXT_LINE\t", "" },
        LanguageCase { "UnknownGoesOnInEnglish", "# language: xx\r\nFeature: b\r\n", {},
            "1\t1\tFEATURE_LINE\tFeature", "quillmark-cli: Cannot set language to xx\n" },
        LanguageCase { "OptionOverridesDirective", "# language: de\nFeature: b\n", { "--language", "en" },
            "1\t1\tFEATURE_LINE\tFeature", "" },
        LanguageCase { "OptionSkipsBadDirective", "# language: xx\nFonctionnalité: b\n", { "--language=fr" },
            "1\t1\tFEATURE_LINE\tFonctionnalité", "" }));

// A text of one line without a line break has no first line to take a
// directive from, so it stays in English even when it names a language.
TEST_F(Classify, SingleLineWithoutBreakKeepsEnglish)
{
    Write("one.feature", "Funktionalität: x # language: de");
    EXPECT_EQ(Run({ "classify", "one.feature" }).out, "0\t12\tTEXT_LINE\t\n");
    Write("two.feature", "Funktionalität: x # language: de\n");
    EXPECT_EQ(Lines(Run({ "classify", "two.feature" }).out).at(0), "0\t1\tFEATURE_LINE\tFunktionalität");
}

TEST_F(Classify, DamagedBytesWarnButStillPrint)
{
    Write("latin1.feature", "Given caf\xE9 au lait\n");
    const CliResult result = Run({ "classify", "latin1.feature" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "0\t7\tSTEP_LINE\tGiven\n1\t12\tTEXT_LINE\t\n");
    EXPECT_EQ(Lines(result.err).size(), 1u);
    EXPECT_NE(result.err.find("latin1.feature: 1 invalid byte sequence"), std::string::npos) << result.err;
}

TEST_F(Classify, UnreadableFileNamesFileAndReason)
{
    for (const char* command : { "classify", "analyse", "format", "unformat" }) {
        const CliResult missing = Run({ command, "absent.feature" });
        EXPECT_EQ(missing.status, 2) << command;
        EXPECT_EQ(missing.out, "") << command;
        EXPECT_EQ(missing.err, "quillmark-cli: cannot read absent.feature: No such file or directory\n")
            << command;
    }
    EXPECT_EQ(Run({ "classify", "." }).err, "quillmark-cli: cannot read .: Is a directory\n");
}

// The file is read whole; one that does not fit in memory is refused with a
// message instead of a crash.
TEST_F(Classify, FileTooLargeForMemoryIsRefused)
{
    Write("huge.feature", std::string(40'000'000, 'a'));
    shellPrefix_ = "ulimit -v 80000; ";
    const CliResult result = Run({ "classify", "huge.feature" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("huge.feature"), std::string::npos) << result.err;
}

class Analyse : public CliTest { };

TEST_F(Analyse, DescriptionsAndDocStringsFromTheirSurroundings)
{
    Write("context.feature",
        "Feature: F\n"
        "  free text\n"
        "\n"
        "Scenario: S\n"
        "  Given g\n"
        "    \"\"\"\n"
        "    Given inside\n"
        "    plain inside\n"
        "    \"\"\"\n"
        "  after the steps\n"
        "  Examples:\n"
        "  under examples");
    EXPECT_EQ(Run({ "analyse", "context.feature" }).out,
        "0\t1\tFEATURE_LINE\tFeature\n"
        "1\t11\tCOMMENT_LINE\t\n"
        "2\t11\tCOMMENT_LINE\t\n"
        "3\t3\tSCENARIO_LINE\tScenario\n"
        "4\t7\tSTEP_LINE\tGiven\n"
        "5\t10\tDOC_STRING_DELIMITER_LINE\t\"\"\"\n"
        "6\t7\tSTEP_LINE\tGiven\n"
        "7\t14\tDOC_STRING_LINE\t\n"
        "8\t10\tDOC_STRING_DELIMITER_LINE\t\"\"\"\n"
        "9\t12\tTEXT_LINE\t\n"
        "10\t9\tEXAMPLES_LINE\tExamples\n"
        "11\t12\tTEXT_LINE\t\n");
}

TEST_F(Analyse, StopsAtTheAnalysedLineLimit)
{
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += "Given x\n";
    Write("long.feature", text);
    const CliResult analysed = Run({ "analyse", "long.feature" });
    EXPECT_EQ(analysed.status, 0);
    const auto rows = Lines(analysed.out);
    ASSERT_EQ(rows.size(), 1998u);
    EXPECT_EQ(rows.back(), "1997\t7\tSTEP_LINE\tGiven");
    EXPECT_NE(analysed.err.find("2501 lines; only the first 1998"), std::string::npos) << analysed.err;
    EXPECT_EQ(Lines(Run({ "classify", "long.feature" }).out).size(), 2501u);
}

} // namespace
