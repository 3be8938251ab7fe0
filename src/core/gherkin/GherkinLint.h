#pragma once

#include "GherkinDocument.h"

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

// The warnings of a document, in line order:
//  - outline-without-examples: a Scenario Outline with no Examples (it runs
//    once, its placeholders unfilled), or a scenario whose Examples have no
//    data row (it runs nothing);
//  - unknown-placeholder: a "<name>" in an outline's name, steps or their
//    arguments that an Examples table of the outline has no column for;
//  - unused-column: an Examples column that fills no placeholder of its outline;
//  - duplicate-scenario-name: a scenario named as an earlier one of the same
//    feature or rule, so that their reports cannot be told apart;
//  - duplicate-tag: a tag given twice to one element.
// `lines` are the document's lines (GherkinLines), where the warnings are placed.
std::vector<GherkinWarning> LintGherkin(
    const GherkinDocument& document, std::span<const std::u16string_view> lines);
