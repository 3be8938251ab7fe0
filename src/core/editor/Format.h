#pragma once

#include "LineAnalysis.h"

#include <optional>
#include <string>
#include <string_view>

// Format re-indents every analysed line by its Gherkin role; Unformat removes
// the indentation. Neither touches the inside of a line. Both read the
// per-line tables as they stand (no analysis first) and one piece of state the
// caller keeps across calls, `docStringColumn` (the view holds it, starting at
// 0): the content offset of the last doc-string delimiter met, which cuts the
// lines of a doc string so that indentation deeper than the opening delimiter
// survives.

// Blanks in front of a line of that type: none for headings, tags, text and
// include lines; two for steps, Examples and comments (description text
// included); four for table rows and doc strings.
std::u16string_view IndentFor(LineType type);

// Where the content of analysed line `line` starts in its lineText, or nothing
// when it has none (an empty line, or blanks only without a closing CR: only
// ever the last line). Tags, comments and text: the first character that is
// not a blank (a tab is content, so is the closing CR). Doc-string delimiters:
// the first occurrence of their keyword, which is also stored in
// docStringColumn. Doc-string lines: docStringColumn, or the line's first
// character that is neither blank nor tab when that lies further left, so
// that the cut removes blanks and tabs only, never text. Every other type: the first occurrence
// of the line's keyword.
std::optional<int> ContentOffset(const LineAnalysis& analysis, int line, int& docStringColumn);

// The analysed lines rebuilt: each line's content (from its content offset,
// carriage returns removed) behind the indentation of its type, then CR LF.
// A line without content offset gives its indentation alone; a doc-string
// line of blanks shorter than docStringColumn gives empty content; an empty line (the
// last line, after the text's final line break) gives no output line at all,
// so Format applied to its own result changes nothing. Returns "" when no
// line is analysed.
std::u16string FormatText(const LineAnalysis& analysis, int& docStringColumn);
// As FormatText without the indentation.
std::u16string UnformatText(const LineAnalysis& analysis, int& docStringColumn);

// The complete new whole text (CR LF line breaks) for the Format and Unformat
// commands and the command-line tool: the rebuilt analysed lines followed by
// every line beyond the analysed ones exactly as `source` holds it, joined so
// that no line break is lost or doubled at the seam.
//
// The view selects ALL of its text (0 .. end) and replaces it with this text
// in one paste. The tables should describe `source` as it stands (the view
// keeps them so); if they do not (line count or a line's text differs), the
// text is analysed afresh first, so that no line is lost or doubled.
std::u16string FormatWholeText(const LineSource& source, const LineAnalysis& analysis, int& docStringColumn);
std::u16string UnformatWholeText(
    const LineSource& source, const LineAnalysis& analysis, int& docStringColumn);
