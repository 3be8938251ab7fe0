#pragma once

#include "core/table/CellMatrix.h"

#include <string>
#include <string_view>

// A doc string's lines and the text the String command shows for them. The
// two are each other's inverse: the text of a doc string's lines gives those
// lines back, so OK on an unchanged doc string writes it back unchanged.

inline constexpr std::u16string_view DOC_STRING_DELIMITER = u"\"\"\"";

// The text of a doc-string block (its lines as FindDocStringAtLine gives
// them): the block's own opening and closing delimiter lines are left out and
// every other line, a line of three double quotes among them, is kept with
// its carriage returns removed and at most `indent` leading blanks or tabs cut
// (never anything else); each line is followed by "\r\n". Empty lines stay.
// A block of its two delimiters alone gives the empty text.
std::u16string DocStringLinesToText(const LineList& lines, int indent);

// The opening delimiter line of a block without its indentation, with any
// content type that follows the quotes ("\"\"\"json"); DOC_STRING_DELIMITER
// when the block does not open with a delimiter.
std::u16string DocStringOpening(const LineList& lines);

// The dialog's text as the lines of a delimited block, without indentation:
// `opening`, then one line for each line of the text, empty lines included,
// and DOC_STRING_DELIMITER. CR LF, LF and a lone CR each end a line; a line
// break at the very end of the text adds no line, so the empty text gives the
// two delimiters alone and "hello" or "hello\r\n" the one line hello.
LineList TextToDocStringLines(std::u16string_view text, std::u16string_view opening);
