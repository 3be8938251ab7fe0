#include "GherkinCheck.h"

#include "GherkinLineScanner.h"
#include "GherkinLint.h"
#include "GherkinParser.h"

#include <algorithm>
#include <utility>

std::vector<GherkinProblem> CheckGherkin(
    std::u16string_view text, const GherkinKeywordTable& table, const GherkinDialect& defaultDialect)
{
    const std::vector<std::u16string_view> lines = GherkinLines(text);
    // The linter takes each scenario as the parser finishes it, so that no
    // tree of the whole file is built: that tree is several times the text.
    GherkinLinter linter(lines);
    GherkinParseResult parsed = ParseGherkinLines(lines, table, defaultDialect, nullptr, &linter);
    std::vector<GherkinProblem> problems;
    for (GherkinError& error : parsed.errors)
        problems.push_back(
            { GherkinProblem::Kind::Error, error.location, error.length, std::move(error.message), {} });
    if (parsed.readToEnd) {
        for (GherkinWarning& warning : linter.TakeWarnings())
            problems.push_back({ GherkinProblem::Kind::Warning, warning.location, warning.length,
                std::move(warning.message), warning.name });
    }
    std::stable_sort(problems.begin(), problems.end(), [](const GherkinProblem& a, const GherkinProblem& b) {
        return std::pair(a.location.line, a.location.column) < std::pair(b.location.line, b.location.column);
    });
    return problems;
}
