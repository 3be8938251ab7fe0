#pragma once

#include "GherkinDialect.h"
#include "GherkinDocument.h"

#include <string>
#include <string_view>
#include <vector>

// What a line is to Cucumber's parser. A line is only taken for a kind that
// the parser expects at that point: text under a Scenario line is Other,
// whatever it looks like.
enum class GherkinTokenType {
    EndOfFile,
    Language,
    TagLine,
    FeatureLine,
    RuleLine,
    BackgroundLine,
    ScenarioLine,
    ExamplesLine,
    StepLine,
    DocStringSeparator,
    TableRow,
    Comment,
    Empty,
    Other,
};

// The name Cucumber's messages give the kind: "#EOF", "#StepLine", ...
std::u16string_view GherkinTokenName(GherkinTokenType type);

// One line as the parser took it.
struct GherkinToken {
    GherkinTokenType type = GherkinTokenType::Other;
    GherkinLocation location;
    // Title and step keywords as the table writes them; the delimiter of a doc-string line.
    std::u16string_view keyword;
    StepKeywordType keywordType = StepKeywordType::Unknown; // of a StepLine
    // The name after a title keyword, a step's text, a doc string's media
    // type, a language code; a comment's whole line, and an Other line as
    // it counts (a description line whole, a doc-string line unindented).
    std::u16string text;
    std::vector<GherkinTag> tags;
    std::vector<GherkinTableCell> cells;
};
