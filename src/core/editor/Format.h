#pragma once

#include "LineAnalysis.h"

#include <functional>
#include <string>
#include <string_view>

// Format re-indents every analysed line by its Gherkin role; Unformat removes
// the indentation. Neither touches the inside of a line. Both read the
// per-line tables as they stand (no analysis first) and one piece of state the
// caller keeps across calls, `docStringColumn` (the view holds it, starting at
// 0): the content offset of the last doc-string delimiter met, which cuts the
// lines of a doc string so that indentation deeper than the opening delimiter
// survives.
//
// The indentation of a line's type: none for headings, tags, text and include
// lines; two blanks for steps, Examples and comments (description text
// included); four for table rows and doc strings.
//
// Where a line's content starts: for tags, comments and text, at the first
// character that is not a blank (a tab is content, so is the closing CR); for
// doc-string delimiters at their keyword, whose column becomes
// docStringColumn; for doc-string lines past the white space that Cucumber
// takes for their indentation (at most docStringColumn characters of it, see
// DocStringContentStart), so that the content Cucumber reads stays as it was;
// for every other type at its keyword. A byte-order mark at the start of the text stays in
// front of the first line's indentation, and counts no column for the cut of
// a doc string that opens there. Carriage returns are removed and each
// rebuilt line ends with CR LF. A line without content (blanks only, without
// a closing CR) gives its indentation alone; the empty line after the text's
// final line break gives no output line at all, so Format applied to its own
// result changes nothing.

// The complete new whole text (CR LF line breaks) for the Format and Unformat
// commands and the command-line tool: the rebuilt analysed lines followed by
// every line beyond them exactly as `source` holds it, joined so that no line
// break is lost or doubled at the seam. A doc string or table that runs on
// past the analysed lines is carried over as it stands too, from its first
// line (LineAnalysis::RelayableLineCount): half of it re-laid would no
// longer be what Cucumber reads.
//
// The view replaces all of its text with this text in one edit. The tables
// should describe `source` as it stands (the view keeps them so); if they do
// not (line count or a line's text differs), the text is analysed afresh in
// `language` first, so that no line is lost or doubled.
std::u16string FormatWholeText(
    const Language& language, const LineSource& source, const LineAnalysis& analysis, int& docStringColumn);
std::u16string UnformatWholeText(
    const Language& language, const LineSource& source, const LineAnalysis& analysis, int& docStringColumn);

// Receives rebuilt lines a piece at a time, each piece ending where a line does.
using RebuiltLinesSink = std::function<void(std::u16string_view lines)>;

// For an analysis made from the text just now, as the command-line tool
// makes one for each file: the lines that Format or Unformat re-lays (up to
// LineAnalysis::RelayableLineCount) rebuilt from the analysis's own line
// texts, each ending with `lineBreak`, handed to `put` in pieces so that they
// are never held whole. The text's lines from there on are the caller's to
// carry over as they stand.
void FormatRelayableLines(const LineAnalysis& analysis, std::u16string_view lineBreak, int& docStringColumn,
    const RebuiltLinesSink& put);
void UnformatRelayableLines(const LineAnalysis& analysis, std::u16string_view lineBreak, int& docStringColumn,
    const RebuiltLinesSink& put);
