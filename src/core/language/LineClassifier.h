#pragma once

#include "LineType.h"

#include <string>

// Judges one line in isolation against the current language. `line` is the
// line as read from the editor, possibly ending with its carriage return.
// On return `keyword` holds the dictionary keyword or marker that starts the
// line ("Given", "|", "#include", ...), or stays as passed for a TEXT_LINE
// (callers pass an empty string).
LineType ClassifyLine(const std::u16string& line, std::u16string& keyword);
