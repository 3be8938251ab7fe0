#pragma once

#include "GherkinDialect.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The document tree of a feature file as Cucumber builds it. Lines and
// columns count from 1, columns in characters (a surrogate pair is one).

struct GherkinLocation {
    int line = 0;
    int column = 0; // 0 where Cucumber gives none (the end of the file)
};

struct GherkinTag {
    GherkinLocation location;
    std::u16string name; // with its "@"
};

struct GherkinComment {
    GherkinLocation location;
    std::u16string text; // the whole line
};

struct GherkinTableCell {
    GherkinLocation location;
    std::u16string value; // trimmed, "\|", "\\" and "\n" read
};

struct GherkinTableRow {
    GherkinLocation location;
    std::vector<GherkinTableCell> cells;
};

struct GherkinDataTable {
    GherkinLocation location;
    std::vector<GherkinTableRow> rows;
};

struct GherkinDocString {
    GherkinLocation location;
    std::u16string mediaType; // empty when the opening delimiter has none
    std::u16string content;
    std::u16string_view delimiter; // """ or ```
};

struct GherkinStep {
    GherkinLocation location;
    std::u16string_view keyword; // with its trailing blank, as the keyword table has it
    StepKeywordType keywordType = StepKeywordType::Unknown;
    std::u16string text;
    std::optional<GherkinDataTable> dataTable;
    std::optional<GherkinDocString> docString;
};

struct GherkinExamples {
    GherkinLocation location;
    std::vector<GherkinTag> tags;
    std::u16string_view keyword;
    std::u16string name;
    std::u16string description;
    std::optional<GherkinTableRow> tableHeader;
    std::vector<GherkinTableRow> tableBody;
};

struct GherkinBackground {
    GherkinLocation location;
    std::u16string_view keyword;
    std::u16string name;
    std::u16string description;
    std::vector<GherkinStep> steps;
};

struct GherkinScenario {
    GherkinLocation location;
    std::vector<GherkinTag> tags;
    std::u16string_view keyword;
    // The keyword is one of the language's Scenario Outline keywords.
    bool outlineKeyword = false;
    std::u16string name;
    std::u16string description;
    std::vector<GherkinStep> steps;
    std::vector<GherkinExamples> examples;
};

using GherkinRuleChild = std::variant<GherkinBackground, GherkinScenario>;

struct GherkinRule {
    GherkinLocation location;
    std::vector<GherkinTag> tags;
    std::u16string_view keyword;
    std::u16string name;
    std::u16string description;
    std::vector<GherkinRuleChild> children;
};

using GherkinFeatureChild = std::variant<GherkinBackground, GherkinScenario, GherkinRule>;

struct GherkinFeature {
    GherkinLocation location;
    std::vector<GherkinTag> tags;
    std::u16string_view language; // the code of the language it was read in
    std::u16string_view keyword;
    std::u16string name;
    std::u16string description;
    std::vector<GherkinFeatureChild> children;
};

// Keywords, delimiters and the language code are views into the keyword
// table the document was read with, which outlives it.
struct GherkinDocument {
    std::optional<GherkinFeature> feature;
    std::vector<GherkinComment> comments;
};

// Takes a document part by part as the parser reads it, for a reader that
// needs no tree of the whole file. The parser then drops each scenario and
// background once it is past it, and keeps no comments, so that its tree
// never holds more than the feature's own lines and the part being read.
class GherkinDocumentSink {
public:
    virtual ~GherkinDocumentSink() = default;
    // The feature or a rule once its title line is read: its tags, keyword
    // and name, nothing under it yet.
    virtual void FeatureStarted(const GherkinFeature& feature) = 0;
    virtual void RuleStarted(const GherkinRule& rule) = 0;
    // A scenario of the feature, or of the rule started last, once the parser is past its last line.
    virtual void ScenarioRead(const GherkinScenario& scenario) = 0;
};
