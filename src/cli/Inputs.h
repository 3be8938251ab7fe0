#pragma once

#include <string>
#include <vector>

// The files that format, unformat and align work through, in the order
// given: a folder stands for every "*.feature" file below it, in sorted
// order; a file or "-" stands for itself. A folder (or a part of one) that
// cannot be read is reported on stderr and `complete` becomes false.
std::vector<std::string> CollectInputs(const std::vector<std::string>& operands, bool& complete);
