#pragma once

#include "KeywordDictionary.h"
#include "LineType.h"

#include <string>

// Judges one line in isolation against `language`. `line` is the
// line as read from the editor, possibly ending with its carriage return.
// On return `keyword` holds the dictionary keyword or marker that starts the
// line ("Given", "|", "#include", ...); for a doc-string delimiter, the
// three characters it is made of ("\"\"\"" or "```"), which only the same
// three close again. For a TEXT_LINE it is empty, or, for
// an empty or blank line, stays as passed (callers pass an empty string).
LineType ClassifyLine(const Language& language, const std::u16string& line, std::u16string& keyword);
