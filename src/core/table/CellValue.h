#pragma once

#include <string>
#include <string_view>

// A table cell's value, as Cucumber reads it, and the text a file holds for
// it. In the file a backslash escapes three characters of a cell: "\|" is a
// "|", "\\" a "\" and "\n" a line break; a backslash before anything else,
// or at the end, is itself.

// The value of a cell as written (SplitTableRowInto gives it so).
std::u16string CellValue(std::u16string_view written);

// The shortest text that reads as `value`: "|" and a line break (LF, CR LF or
// CR) escaped, and a backslash doubled only where it would otherwise escape
// the character after it. The text is meant to stand between the blanks that
// pad a cell of the aligned layout.
std::u16string WrittenCell(std::u16string_view value);
