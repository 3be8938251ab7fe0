#include "GherkinLint.h"

#include "GherkinText.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

struct Placeholder {
    std::u16string_view name;
    GherkinLocation location;
    int length = 0;
};

std::u16string Quoted(std::u16string_view text)
{
    std::u16string quoted(1, u'"');
    (quoted += text) += u'"';
    return quoted;
}

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return { digits.begin(), digits.end() };
}

using Lines = std::span<const std::u16string_view>;

std::u16string_view Line(Lines lines, int number)
{
    return number >= 1 && static_cast<std::size_t>(number) <= lines.size() ? lines[number - 1]
                                                                           : std::u16string_view();
}

// The characters of a line from a column to its last one that is not blank.
int LengthFrom(Lines lines, const GherkinLocation& location)
{
    const std::u16string_view line = TrimGherkinEnd(Line(lines, location.line));
    return CodePointCount(line.substr(std::min(line.size(), OffsetOfColumn(line, location.column))));
}

// A title's name is the end of its line, trimmed; there it outlives the
// element, which the parser drops once it is handed over.
std::u16string_view NameInLine(Lines lines, const GherkinScenario& scenario)
{
    const std::u16string_view line = TrimGherkinEnd(Line(lines, scenario.location.line));
    return line.substr(line.size() - std::min(line.size(), scenario.name.size()));
}

// The placeholders of a line from `skip` units past a column on. A name
// with blanks around it can never be a column's (cells are trimmed), so
// it is taken for text such as "a < b > c".
void Find(Lines lines, const GherkinLocation& from, std::size_t skip, std::vector<Placeholder>& found)
{
    const std::u16string_view line = Line(lines, from.line);
    std::size_t at = OffsetOfColumn(line, from.column) + skip;
    while ((at = line.find(u'<', at)) != std::u16string_view::npos) {
        const std::size_t close = line.find_first_of(u"<>", at + 1);
        if (close == std::u16string_view::npos)
            return;
        if (line[close] == u'<') {
            at = close;
            continue;
        }
        const std::u16string_view name = line.substr(at + 1, close - at - 1);
        if (!name.empty() && !IsCucumberSpace(name.front()) && !IsCucumberSpace(name.back()))
            found.push_back(
                { name, { from.line, CodePointCount(line.substr(0, at)) + 1 }, CodePointCount(name) + 2 });
        at = close + 1;
    }
}

// Every "<name>" that Cucumber would fill in the outline, where it stands:
// in its name, its steps, their tables and doc strings.
std::vector<Placeholder> PlaceholdersOf(Lines lines, const GherkinScenario& scenario)
{
    std::vector<Placeholder> found;
    Find(lines, scenario.location, scenario.keyword.size(), found);
    for (const GherkinStep& step : scenario.steps) {
        Find(lines, step.location, step.keyword.size(), found);
        if (step.dataTable) {
            for (const GherkinTableRow& row : step.dataTable->rows)
                Find(lines, row.location, 0, found);
        }
        if (step.docString) {
            const GherkinDocString& docString = *step.docString;
            Find(lines, docString.location, docString.delimiter.size(), found);
            if (docString.content.empty())
                continue;
            const auto count = std::count(docString.content.begin(), docString.content.end(), u'\n') + 1;
            for (int line = 1; line <= count; ++line)
                Find(lines, { docString.location.line + line, 1 }, 0, found);
        }
    }
    return found;
}

} // namespace

GherkinLinter::GherkinLinter(std::span<const std::u16string_view> lines)
    : m_lines(lines)
{
}

void GherkinLinter::FeatureStarted(const GherkinFeature& feature)
{
    Tags(feature.tags, feature.keyword);
}

void GherkinLinter::RuleStarted(const GherkinRule& rule)
{
    Tags(rule.tags, rule.keyword);
    m_names.clear();
}

void GherkinLinter::ScenarioRead(const GherkinScenario& scenario)
{
    Tags(scenario.tags, scenario.keyword);
    const auto [earlier, added] = m_names.emplace(NameInLine(m_lines, scenario), scenario.location.line);
    if (!added && !scenario.name.empty())
        Warn(scenario.location, LengthFrom(m_lines, scenario.location),
            std::u16string(scenario.keyword) + u" " + Quoted(scenario.name)
                + u" has the same name as the one at line " + Number(earlier->second),
            "duplicate-scenario-name");
    for (const GherkinExamples& examples : scenario.examples)
        Tags(examples.tags, examples.keyword);
    Outline(scenario);
}

std::vector<GherkinWarning> GherkinLinter::TakeWarnings()
{
    std::stable_sort(m_warnings.begin(), m_warnings.end(), [](const auto& a, const auto& b) {
        return std::pair(a.location.line, a.location.column) < std::pair(b.location.line, b.location.column);
    });
    return std::move(m_warnings);
}

void GherkinLinter::Warn(GherkinLocation location, int length, std::u16string message, std::string_view name)
{
    m_warnings.push_back({ location, length, std::move(message), name });
}

void GherkinLinter::Tags(const std::vector<GherkinTag>& tags, std::u16string_view keyword)
{
    std::set<std::u16string_view> seen;
    for (const GherkinTag& tag : tags) {
        if (!seen.insert(tag.name).second)
            Warn(tag.location, CodePointCount(tag.name),
                u"tag " + tag.name + u" is already on this " + std::u16string(keyword), "duplicate-tag");
    }
}

void GherkinLinter::Outline(const GherkinScenario& scenario)
{
    const std::u16string title = std::u16string(scenario.keyword) + u" " + Quoted(scenario.name);
    if (scenario.examples.empty()) {
        if (scenario.outlineKeyword)
            Warn(scenario.location, LengthFrom(m_lines, scenario.location),
                title + u" has no Examples: it runs once, no placeholder filled", "outline-without-examples");
        return;
    }
    const bool runs = std::any_of(scenario.examples.begin(), scenario.examples.end(),
        [](const GherkinExamples& examples) { return !examples.tableBody.empty(); });
    if (!runs)
        Warn(scenario.location, LengthFrom(m_lines, scenario.location),
            u"no Examples of " + title + u" has a data row: it runs nothing", "outline-without-examples");

    const std::vector<Placeholder> placeholders = PlaceholdersOf(m_lines, scenario);
    for (const GherkinExamples& examples : scenario.examples) {
        if (!examples.tableHeader)
            continue;
        const std::vector<GherkinTableCell>& header = examples.tableHeader->cells;
        for (const Placeholder& placeholder : placeholders) {
            const bool filled = std::any_of(header.begin(), header.end(),
                [&](const GherkinTableCell& cell) { return cell.value == placeholder.name; });
            if (!filled)
                Warn(placeholder.location, placeholder.length,
                    u"placeholder <" + std::u16string(placeholder.name)
                        + u"> has no column in the Examples at line " + Number(examples.location.line),
                    "unknown-placeholder");
        }
        for (const GherkinTableCell& cell : header) {
            const bool used = std::any_of(placeholders.begin(), placeholders.end(),
                [&](const Placeholder& placeholder) { return placeholder.name == cell.value; });
            if (!used && !cell.value.empty())
                Warn(cell.location, CodePointCount(cell.value),
                    u"column " + Quoted(cell.value) + u" fills no placeholder of " + title, "unused-column");
        }
    }
}
