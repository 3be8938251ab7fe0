#include "CliRunner.h"

#include <tuple>

namespace {

class FileCommands : public CliTest { };

// The language comes from --language, else from the first directive among the
// comment lines at the top; a name the dictionary lacks is reported, naming
// the file and line, and English kept.
TEST_F(FileCommands, ClassifyInTheLanguageAskedForOrTheFilesOwn)
{
    const std::tuple<std::string, std::vector<std::string>, std::string, std::string> cases[] = {
        { "# language: de\nFunktionalität: a\rGrundlage:\r\n  Angenommen ich\n  | a |", {},
            "1\t1\tFEATURE_LINE\tFunktionalität\n2\t4\tBACKGROUND_LINE\tGrundlage\n"
            "3\t7\tSTEP_LINE\tAngenommen\n4\t8\tTABLE_LINE\t|\n",
            "" },
        { "# licence\n# language: xx\r\nFeature: b", {},
            "1\t11\tCOMMENT_LINE\t#\n2\t1\tFEATURE_LINE\tFeature\n",
            "file.feature:2: Cannot set language to xx\n" },
        { "# language: xx\nFonctionnalité: b", { "--language=fr" }, "1\t1\tFEATURE_LINE\tFonctionnalité\n",
            "" },
    };
    for (const auto& [text, options, laterRows, err] : cases) {
        SCOPED_TRACE(text);
        std::vector<std::string> args { "classify", Write("file.feature", text) };
        args.insert(args.end(), options.begin(), options.end());
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, err);
        EXPECT_EQ(result.out.substr(result.out.find('\n') + 1), laterRows);
    }
}

// The file is held whole, mapped or read; one that does not fit in memory is
// refused with a message instead of a crash.
TEST_F(FileCommands, FileTooLargeForMemoryIsRefused)
{
    Write("huge.feature", std::string(90'000'000, 'a'));
    const CliResult result = Run({ "classify", "huge.feature" }, "ulimit -v 80000; ");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("huge.feature"), std::string::npos) << result.err;
}

TEST_F(FileCommands, AnalyseStopsAtTheAnalysedLineLimit)
{
    Write("long.feature", std::string(2500, '\n'));
    const CliResult analysed = Run({ "analyse", "long.feature" });
    EXPECT_EQ(analysed.status, 0);
    const auto rows = Lines(analysed.out);
    ASSERT_EQ(rows.size(), 1998u);
    EXPECT_EQ(rows.back(), "1997\t12\tTEXT_LINE\t");
    EXPECT_NE(analysed.err.find("2501 lines; only the first 1998"), std::string::npos) << analysed.err;
    EXPECT_EQ(Lines(Run({ "classify", "long.feature" }).out).size(), 2501u);
}

} // namespace
