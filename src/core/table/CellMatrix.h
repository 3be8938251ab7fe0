#pragma once

#include <string>
#include <vector>

// The value types of table and doc-string editing.

// Text lines, one entry a line. Lines taken from the analysis still end with
// their carriage return; lines made by the table model carry no line break.
using LineList = std::vector<std::u16string>;

// The cells of one table row, left to right.
using CellRow = std::vector<std::u16string>;

// Table rows, top to bottom. Rows of one matrix may differ in length; nothing
// pads a short row inside a matrix.
using CellMatrix = std::vector<CellRow>;

// Placeholder names in the order they were found; duplicates remain.
using PlaceholderList = std::vector<std::u16string>;
