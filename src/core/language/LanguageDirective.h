#pragma once

#include <optional>
#include <string>

// Applies the "# language: xx" directive found in `firstLine` (the document's
// first line, with its carriage return). No directive selects English. When
// the directive names no language, the current language stays as it was and
// the name as written is returned, so that the caller can say
// "Cannot set language to " + name; otherwise returns nothing. Only the first
// 1000 characters of the line are searched, so an endless line cannot
// exhaust the stack of the regular-expression matcher.
std::optional<std::u16string> ApplyLanguageDirective(std::u16string firstLine);

// The first line of a whole text (lines ending CR LF) as the view hands it to
// ApplyLanguageDirective: everything before the first line feed. Nothing when
// the text has no line feed or begins with one; the directive is then skipped.
std::optional<std::u16string> DirectiveLineOf(const std::u16string& wholeText);
