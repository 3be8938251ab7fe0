#pragma once

#include "core/table/CellMatrix.h"

#include <string>

// The text that replaces `block` (found by FindTableAtLine or
// FindDocStringAtLine) when its new lines are `lines`: each line behind
// block.indentation and followed by CR LF, then one empty line, unless the
// line after the block is empty already. So OK on a block that is already in
// the editor's layout gives back exactly the text it replaces, and a new block
// is followed by an empty line. Where the block ends the text (its last line
// has no line break) the text ends as the block did, without a break and
// without an empty line; a new block after such a line starts on a line of its
// own. No lines give "\r\n", or nothing where the block is followed by an
// empty line or ends the text.
std::u16string BuildBlockText(const LineList& lines, const BlockLocation& block);
