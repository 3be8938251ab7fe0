#pragma once

#include "GherkinDialect.h"
#include "GherkinDocument.h"

#include <string>
#include <string_view>
#include <vector>

// What a check of a feature file finds: an error Cucumber reports, or a
// warning about what it accepts but runs wrongly.
struct GherkinProblem {
    enum class Kind { Error, Warning };
    Kind kind = Kind::Error;
    GherkinLocation location; // an error at the end of the file has column 0
    int length = 0; // the characters from the column that it is about
    std::u16string message; // an error's as Cucumber words it, without its "(line:column): "
    std::string_view name; // a warning's short name ("unknown-placeholder"); empty for an error
};

// Every problem of a feature file, in line order (within a line, by column).
// Warnings are looked for only when the parser read the file to its end.
std::vector<GherkinProblem> CheckGherkin(
    std::u16string_view text, const GherkinKeywordTable& table, const GherkinDialect& defaultDialect);
