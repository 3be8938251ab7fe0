#pragma once

#include "core/language/LineType.h"

// Which of the view's own pop-up commands fit the caret's line. `lineType` is
// the caret line's type as last analysed (NOT_ANALYSED for a line that never
// was, such as one past the analysed limit); `nextLineType` is the type of the
// line below it, or TEXT_LINE when the caret line is the last analysed one.

// A table can be edited on an Examples line or a table row, and a step takes a
// new table unless a doc string already follows it.
bool TableAllowed(LineType lineType, LineType nextLineType);
// A doc string can be edited inside one, and a step takes a new one unless a
// table already follows it.
bool StringAllowed(LineType lineType, LineType nextLineType);
