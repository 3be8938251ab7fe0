#pragma once

#include "core/DocStringDelimiters.h"
#include "core/table/CellMatrix.h"

#include <optional>
#include <string>
#include <string_view>

// A doc string's lines and the text the String command shows for them: the
// content as Cucumber reads it. Written back, the text is again what
// Cucumber reads, and a doc string whose text was not changed is written back
// byte for byte as it stood.

// The delimiter of a doc-string block: three backticks when its first line
// opens with them, otherwise three double quotes (also for a new block).
std::u16string_view DocStringDelimiterOf(const LineList& lines);

// The text of a doc-string block (its lines as FindDocStringAtLine gives
// them, from the opening to the closing delimiter line; `indent` the opening
// delimiter's column): every line between the two as Cucumber reads it, each
// followed by "\r\n". Cucumber cuts at most `indent` leading white-space
// characters (DocStringContentStart) and turns the first escaped delimiter of
// a line (\"\"\" or \`\`\`, as the block is delimited) into the delimiter.
// Empty lines stay; a block of its two delimiters alone gives the empty text.
std::u16string DocStringLinesToText(const LineList& lines, int indent);

// The lines of a text as the String dialog hands it back: CR LF, LF and a
// lone CR each end a line, and a line break at the very end adds no line,
// so "" gives no line and "hello" or "hello\r\n" the one line hello.
LineList DocStringTextLines(std::u16string_view text);

// The index of the first line of `text` (DocStringTextLines) that no content
// line of a doc string delimited by `delimiter` makes Cucumber read: one that
// holds the escaped delimiter with no delimiter in front of it, since
// Cucumber would read that escape as the delimiter. None when every line can
// be written.
std::optional<std::size_t> UnwritableDocStringLine(std::u16string_view text, std::u16string_view delimiter);

// The text that replaces the doc-string `block` after OK on `text`. The
// opening and closing delimiter lines stay as they are (a content type after
// the opening, a note after the closing); the lines the text begins and ends
// with that are unchanged keep their bytes; every other line is written
// behind block.indentation (an empty line without it), a line that would
// end the doc string or be read otherwise with Cucumber's escape of the
// delimiter. An existing block is followed by what followed it before; a new
// one (after a step) gets delimiters of three double quotes behind
// block.indentation and is placed as BuildBlockText places a new block.
std::u16string BuildDocStringText(std::u16string_view text, const BlockLocation& block);
