#pragma once

#include "GherkinDialect.h"
#include "GherkinDocument.h"
#include "GherkinToken.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Something Cucumber rejects, where and in its own words.
struct GherkinError {
    GherkinLocation location; // column 0 at the end of the file
    // The characters from the column that the error is about (the line, the
    // tag, the table row), so that an editor can mark them; 0 at the end of the file.
    int length = 0;
    // Cucumber's message without the "(line:column): " in front of it.
    std::u16string message;
};

// The message as Cucumber reports it: "(2:1): expected: ..., got 'x'".
std::u16string CucumberErrorText(const GherkinError& error);

struct GherkinParseResult {
    // As far as it could be built: the lines that were in error are left out of it.
    GherkinDocument document;
    // In the order Cucumber reports them. Like Cucumber, the parser goes on
    // after an error, and stops after the eleventh.
    std::vector<GherkinError> errors;
    // False when the parser gave up before the end, so that the tree lacks the rest.
    bool readToEnd = true;
};

// Reads a feature file as Cucumber does. Lines end at a line feed (a carriage
// return before it is dropped); a file is read in `defaultDialect` unless its
// "# language:" line names another language of `table`. The whole text is
// read, whatever its length. When `tokens` is given, every line the parser
// took is added to it as it was taken, and the end of the file last. When
// `sink` is given, the parts of the document go to it as they are read, and
// the tree keeps none of them (GherkinDocumentSink).
GherkinParseResult ParseGherkin(std::u16string_view text, const GherkinKeywordTable& table,
    const GherkinDialect& defaultDialect, std::vector<GherkinToken>* tokens = nullptr,
    GherkinDocumentSink* sink = nullptr);
// The same over the file's lines as GherkinLines gives them.
GherkinParseResult ParseGherkinLines(std::span<const std::u16string_view> lines,
    const GherkinKeywordTable& table, const GherkinDialect& defaultDialect,
    std::vector<GherkinToken>* tokens = nullptr, GherkinDocumentSink* sink = nullptr);
