#pragma once

#include <string>
#include <vector>

// The files that format, unformat, align and check work through, in the order
// given: a folder stands for every "*.feature" file below it, in sorted
// order; a file or "-" stands for itself. Below a folder, links to folders
// are not followed, and a link to a file only when that file lies inside one
// of the folders given (a link elsewhere is reported on stderr and skipped).
// A folder below that cannot be read is reported on stderr, the walk goes on
// with the rest, and `complete` becomes false.
std::vector<std::string> CollectInputs(const std::vector<std::string>& operands, bool& complete);
