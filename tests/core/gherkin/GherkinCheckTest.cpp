// The warnings, each with a file where it must fire and one where it must
// not, and the problems of a file together: errors and warnings in line
// order, with the span an editor marks.

#include "core/gherkin/GherkinCheck.h"
#include "GherkinTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

// "line:column+length name: message", one a problem; errors have no name.
std::vector<std::string> Problems(std::u16string_view text, const GherkinDialect& dialect = English())
{
    std::vector<std::string> lines;
    for (const GherkinProblem& problem : CheckGherkin(text, CucumberKeywordTable(), dialect)) {
        std::string line = std::to_string(problem.location.line) + ":"
            + std::to_string(problem.location.column) + "+" + std::to_string(problem.length) + " ";
        line += problem.kind == GherkinProblem::Kind::Error ? "error" : std::string(problem.name);
        lines.push_back(line + ": " + Utf16ToUtf8(problem.message));
    }
    return lines;
}

struct LintCase {
    const char* rule;
    const char16_t* text;
    std::vector<std::string> expected;
};

void PrintTo(const LintCase& lintCase, std::ostream* out)
{
    *out << lintCase.rule;
}

class Lint : public ::testing::TestWithParam<LintCase> { };

TEST_P(Lint, FindsWhatCucumberRunsWrongly)
{
    EXPECT_EQ(Problems(GetParam().text), GetParam().expected);
}

const LintCase LINT_CASES[] = {
    { "outline without Examples runs once", u"Feature: f\n  Scenario Outline: buy <n>\n    Given <n> items\n",
        { "2:3+25 outline-without-examples: Scenario Outline \"buy <n>\" has no Examples: it runs once, no "
          "placeholder filled" } },
    { "Examples without a data row run nothing",
        u"Feature: f\n  Scenario: buy\n    Given <n> items\n  Examples: none\n    | n |\n  Examples:\n",
        { "2:3+13 outline-without-examples: no Examples of Scenario \"buy\" has a data row: it runs "
          "nothing" } },
    { "a plain scenario and an outline with a row run",
        u"Feature: f\n  Scenario: plain\n    Given a\n  Scenario Outline: buy\n    Given <n>\n  Examples:\n"
        u"    | n |\n  Examples:\n    | n |\n    | 1 |\n",
        {} },
    { "each unknown placeholder, wherever Cucumber fills one",
        u"Feature: f\n  Scenario Outline: buy <what>\n    Given <count> of <n>\n      | <price> | <n> |\n"
        u"      \"\"\"<type>\n      all <body>\n      \"\"\"\n  Examples:\n    | n |\n    | 1 |\n"
        u"  Examples: second\n    | n | what | count | price | type | body |\n"
        u"    | 1 | 2    | 3     | 4     | 5    | 6    |\n",
        { "2:25+6 unknown-placeholder: placeholder <what> has no column in the Examples at line 8",
            "3:11+7 unknown-placeholder: placeholder <count> has no column in the Examples at line 8",
            "4:9+7 unknown-placeholder: placeholder <price> has no column in the Examples at line 8",
            "5:10+6 unknown-placeholder: placeholder <type> has no column in the Examples at line 8",
            "6:11+6 unknown-placeholder: placeholder <body> has no column in the Examples at line 8" } },
    { "text that only looks like a placeholder, and background steps",
        u"Feature: f\n  Background:\n    Given <nothing>\n  Scenario Outline: compare\n"
        u"    Given a < b > c and <> and <n\n  Examples:\n    | n |\n    | 1 |\n",
        { "7:7+1 unused-column: column \"n\" fills no placeholder of Scenario Outline \"compare\"" } },
    { "a column used by no step, the name counting as a use",
        u"Feature: f\n  Scenario Outline: buy <what>\n    Given <n> items\n  Examples:\n"
        u"    | n | what | spare |  |\n    | 1 | x    | y     |  |\n",
        { "5:18+5 unused-column: column \"spare\" fills no placeholder of Scenario Outline \"buy "
          "<what>\"" } },
    { "scenarios of one feature or one rule with the same name",
        u"Feature: f\n  Scenario: same\n    Given a\n  Scenario Outline: same\n    Given <n>\n"
        u"  Examples:\n    | n |\n    | 1 |\n  Rule: r\n    Scenario: same\n    Scenario: same\n",
        { "4:3+22 duplicate-scenario-name: Scenario Outline \"same\" has the same name as the one at line 2",
            "11:5+14 duplicate-scenario-name: Scenario \"same\" has the same name as the one at line 10" } },
    { "the same name in two rules, or without a name",
        u"Feature: f\n  Scenario: same\n  Scenario:\n  Scenario:\n  Rule: a\n    Scenario: same\n"
        u"  Rule: b\n    Scenario: same\n",
        {} },
    { "a tag twice on one element",
        u"@a @b\n@a\nFeature: f\n  @x @y @x\n  Scenario: s\n    Given <n>\n  @e @e\n  Examples:\n    | n |\n"
        u"    | 1 |\n",
        { "2:1+2 duplicate-tag: tag @a is already on this Feature",
            "4:9+2 duplicate-tag: tag @x is already on this Scenario",
            "7:6+2 duplicate-tag: tag @e is already on this Examples" } },
    { "one tag on elements inside one another", u"@a\nFeature: f\n  @a\n  Rule: r\n    @a\n    Scenario: s\n",
        {} },
};

INSTANTIATE_TEST_SUITE_P(Gherkin, Lint, ::testing::ValuesIn(LINT_CASES), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.rule; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

TEST(GherkinCheck, ListsErrorsAndWarningsInLineOrderWithTheirSpans)
{
    EXPECT_EQ(
        Problems(u"Feature: f\n  Scenario Outline: s\n    Given <n>\n      | a | b |\n      | \U0001F600 |\n"
                 u"    Given x\n  @ok @not ok\n  Examples:\n    | n |\n    | 1 |\n  nonsense here  \n"),
        (std::vector<std::string> {
            "5:7+5 error: inconsistent cell count within the table",
            "7:3+11 error: expected: #EOF, #TableRow, #DocStringSeparator, #StepLine, #TagLine, "
            "#ExamplesLine, "
            "#ScenarioLine, #RuleLine, #Comment, #Empty, got '@ok @not ok'",
            "7:7+7 error: A tag may not contain whitespace",
            "11:3+13 error: expected: #EOF, #TableRow, #TagLine, #ExamplesLine, #ScenarioLine, #RuleLine, "
            "#Comment, "
            "#Empty, got 'nonsense here'",
        }));
}

TEST(GherkinCheck, LooksForNoWarningInAFileTheParserGaveUpOn)
{
    std::u16string text = u"Feature: f\n  Scenario Outline: s\n    Given <n>\n";
    for (int line = 0; line < 11; ++line)
        text += u"  nonsense\n";
    const std::vector<std::string> problems = Problems(text + u"  Examples:\n    | n |\n    | 1 |\n");
    EXPECT_EQ(problems.size(), 11u);
    EXPECT_EQ(problems.back().substr(0, 11), "14:3+8 erro");
}

TEST(GherkinCheck, ReadsTheLanguageItIsGivenUnlessTheFileNamesOne)
{
    const GherkinDialect& french = *CucumberKeywordTable().Find(u"fr");
    const std::u16string text = u"Fonctionnalité: f\n  Scénario: s\n    Soit a\n";
    EXPECT_EQ(Problems(text, french), std::vector<std::string>());
    EXPECT_EQ(Problems(u"# language: en\n" + text, french).front(),
        "2:1+17 error: expected: #TagLine, #FeatureLine, #Comment, #Empty, got 'Fonctionnalité: f'");
}

TEST(GherkinCheck, ReadsAFileOfAnyLength)
{
    std::u16string text = u"Feature: f\n  Scenario: s\n";
    for (int line = 0; line < 20000; ++line)
        text += u"    Given a step\n";
    EXPECT_EQ(Problems(text + u"  nonsense\n").front().substr(0, 17), "20003:3+8 error: ");
}

} // namespace
