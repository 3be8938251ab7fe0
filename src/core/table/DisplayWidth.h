#pragma once

#include <string_view>

// How many columns of a fixed-pitch view the text takes: East Asian Wide and
// Fullwidth characters two, combining marks, default-ignorable characters
// (joiners, variation selectors, soft hyphens) and the vowel and final jamo
// that join a Hangul syllable none, every other character one. A surrogate
// pair is one character; a lone surrogate counts one. For text of narrow
// characters of the Basic Multilingual Plane this is the text's length.
int DisplayWidth(std::u16string_view text);

// The column, counted from 0, at which a caret stands behind `text`, the
// start of a line: each character takes its display width, and a tab moves
// on to the next multiple of `tabWidth` columns (at least one column on).
int DisplayColumn(std::u16string_view text, int tabWidth);
