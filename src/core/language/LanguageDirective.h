#pragma once

#include "KeywordDictionary.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Line `line` (0 .. lineCount-1) of the text being opened, as the editor's
// control holds it: ending with its carriage return on every line but the last.
using LineReader = std::function<std::u16string(int line)>;

// A directive that names no language the dictionary has: its line (0-based)
// and what the user is told, "Cannot set language to " and the name as written.
struct LanguageDirectiveProblem {
    int line = 0;
    std::u16string message;
};

// Opening a document: makes `language` the one its "# language: xx" directive
// names, as Cucumber finds the directive: the first one among the comment and
// empty lines that open the file, so that a licence header may stand above it.
// "#language:xx" and "#  language  :  xx" are directives too. The name is
// everything after the colon and the white space behind it, to the end of the
// line, blanks included; "Language" with a capital is no directive. The first
// line may hold its directive after other text, as it always could; a later
// line must begin with it. Only lines closed by a line break are looked at, so
// a text of one line leaves the language as it was. No directive selects
// English. A directive naming no language leaves the language as it was and is
// returned as a problem. Only the first 1000 characters of a line are
// searched.
std::optional<LanguageDirectiveProblem> ApplyDocumentLanguage(
    Language& language, int lineCount, const LineReader& lineText);

// The name a directive in `line` gives, found anywhere in it or only right at
// its start: "#", "language" and ":", each behind any white space (blank,
// tab, line feed, vertical tab, form feed, carriage return), then the name,
// which starts behind the white space after the colon and runs to the end of
// its line (a line feed, carriage return, U+2028 or U+2029). When only white
// space follows the colon, its last character that is no line break is the
// name. Only the first 1000 characters of the line are searched.
std::optional<std::u16string> LanguageDirectiveName(std::u16string_view line, bool anywhere);
