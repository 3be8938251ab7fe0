#pragma once

#include "GherkinDialect.h"
#include "GherkinToken.h"

#include <span>
#include <string_view>
#include <vector>

// The lines of a feature file as Cucumber splits it: at line feeds, a
// carriage return before one dropped; a last line of nothing but white space
// is no line.
std::vector<std::u16string_view> GherkinLines(std::u16string_view text);

// One line of a feature file, and the tests that tell which kind of token it
// can be. Each test that answers true fills the token; the parser asks only
// for the kinds it expects where the line stands.
struct GherkinLine {
    GherkinLine(std::u16string_view lineText, int lineNumber);

    std::u16string_view text; // without its line end
    std::u16string_view trimmed; // without the white space around it
    int number = 0;
    // The white space in front of the text. Every white-space character is in
    // the Basic Multilingual Plane, so this counts characters and units alike.
    int indent = 0;

    int column() const { return indent + 1; }
};

bool MatchEmpty(const GherkinLine& line, GherkinToken& token);
bool MatchComment(const GherkinLine& line, GherkinToken& token);

enum class LanguageMatch { NotLanguage, Unsupported, Matched };
// "# language: xx". A code the table lacks answers Unsupported, with the code in token.text.
LanguageMatch MatchLanguage(const GherkinLine& line, const GherkinKeywordTable& table, GherkinToken& token,
    const GherkinDialect*& dialect);

enum class TagMatch { NotTags, Whitespace, Matched };
// A line of tags, up to a comment that follows a blank. A tag with white space
// inside answers Whitespace, with that tag's column and length in `bad`.
TagMatch MatchTagLine(const GherkinLine& line, GherkinToken& token, GherkinLocation& bad, int& badLength);

// A title line: one of `keywords` and a colon, then the name.
bool MatchTitleLine(const GherkinLine& line, std::span<const std::u16string_view> keywords,
    GherkinTokenType type, GherkinToken& token);
bool MatchStepLine(const GherkinLine& line, const GherkinDialect& dialect, GherkinToken& token);

// A doc-string delimiter: any of the two where none is open, else only the open one.
bool MatchDocStringSeparator(const GherkinLine& line, std::u16string_view openDelimiter, GherkinToken& token);
bool MatchTableRow(const GherkinLine& line, GherkinToken& token);

// Any line, as description text: the whole line.
void MatchOther(const GherkinLine& line, GherkinToken& token);
// Any line inside a doc string: up to `indent` characters of white space taken
// off its front (the delimiter's indentation), escaped delimiters read.
void MatchDocStringLine(
    const GherkinLine& line, int indent, std::u16string_view delimiter, GherkinToken& token);
