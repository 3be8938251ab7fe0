#pragma once

#include "GherkinDocument.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Something Cucumber accepts but runs wrongly or not at all.
struct GherkinWarning {
    GherkinLocation location;
    int length = 0; // the characters from the column that it is about
    std::u16string message; // naming what it found
    std::string_view name; // short and stable: "unknown-placeholder", ...
};

// Looks for the warnings of a document as the parser hands it over part by
// part, so that no tree of the whole file is kept:
//  - outline-without-examples: a Scenario Outline with no Examples (it runs
//    once, its placeholders unfilled), or a scenario whose Examples have no
//    data row (it runs nothing);
//  - unknown-placeholder: a "<name>" in an outline's name, steps or their
//    arguments that an Examples table of the outline has no column for;
//  - unused-column: an Examples column that fills no placeholder of its outline;
//  - duplicate-scenario-name: a scenario named as an earlier one of the same
//    feature or rule, so that their reports cannot be told apart;
//  - duplicate-tag: a tag given twice to one element.
class GherkinLinter final : public GherkinDocumentSink {
public:
    // `lines` are the document's lines (GherkinLines) that the parser reads,
    // where the warnings are placed; they outlive the linter.
    explicit GherkinLinter(std::span<const std::u16string_view> lines);

    void FeatureStarted(const GherkinFeature& feature) override;
    void RuleStarted(const GherkinRule& rule) override;
    void ScenarioRead(const GherkinScenario& scenario) override;

    // What it found, in line order.
    std::vector<GherkinWarning> TakeWarnings();

private:
    void Tags(const std::vector<GherkinTag>& tags, std::u16string_view keyword);
    void Outline(const GherkinScenario& scenario);
    void Warn(GherkinLocation location, int length, std::u16string message, std::string_view name);

    std::span<const std::u16string_view> m_lines;
    // The names of the scenarios of the feature or the rule being read, each
    // where it stands in its line, with that line's number.
    std::map<std::u16string_view, int> m_names;
    std::vector<GherkinWarning> m_warnings;
};
