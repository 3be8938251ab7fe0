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

// Opening a document: its whole text's first line (everything before the
// first line feed) goes to ApplyLanguageDirective; a text without a line feed,
// or one that begins with one, is left alone and the language stays. Returns
// the message the user is shown when the directive names no language,
// "Cannot set language to " and the name.
std::optional<std::u16string> ApplyDocumentLanguage(const std::u16string& wholeText);
