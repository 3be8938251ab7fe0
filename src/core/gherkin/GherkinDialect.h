#pragma once

#include <span>
#include <string_view>

// What a step keyword says about its step, as Cucumber's reports name it.
enum class StepKeywordType { Unknown, Context, Action, Outcome, Conjunction };

std::u16string_view StepKeywordTypeName(StepKeywordType type);

struct GherkinStepKeyword {
    // As the table writes it: with the blank that must follow it, where it has one.
    std::u16string_view keyword;
    // Unknown for a keyword that the table gives more than one kind of step ("* ").
    StepKeywordType type;
};

// One language of Cucumber's keyword table.
struct GherkinDialect {
    std::u16string_view code;
    std::u16string_view name;
    std::u16string_view native;
    std::span<const std::u16string_view> feature;
    std::span<const std::u16string_view> background;
    std::span<const std::u16string_view> rule;
    std::span<const std::u16string_view> scenario;
    std::span<const std::u16string_view> scenarioOutline;
    std::span<const std::u16string_view> examples;
    // Every step keyword once, longest first: a line takes the longest
    // keyword it starts with ("Sipoze ke " before "Sipoze ").
    std::span<const GherkinStepKeyword> steps;
};

// A keyword table: the languages a document may name in its "# language:" line.
class GherkinKeywordTable {
public:
    constexpr explicit GherkinKeywordTable(std::span<const GherkinDialect> dialects)
        : m_dialects(dialects)
    {
    }
    std::span<const GherkinDialect> dialects() const { return m_dialects; }
    // The language with exactly that code, or nullptr.
    const GherkinDialect* Find(std::u16string_view code) const;

private:
    std::span<const GherkinDialect> m_dialects;
};

// Cucumber's current table of 80 languages, built into the program.
const GherkinKeywordTable& CucumberKeywordTable();
