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

// Why a block finder found no block to edit.
enum class NoBlock {
    NotAllowed, // the line takes no block of that kind
    PastLimit, // the block runs on past the last analysed line
    NotClosed, // a doc string that no delimiter below closes
    RowsApart, // comment or empty lines stand between a table's rows
};

// A table or doc string found at the caret, or the default block that goes
// where none exists yet. An empty `lines` means that there is no block to
// edit, for the reason `noBlock` gives; the other members are then
// meaningless.
struct BlockLocation {
    LineList lines;
    // Control positions: the block occupies start .. end - 1. A new block has
    // start == end, the end of the line it follows.
    int start = 0;
    int end = 0;
    // What stands in front of every line written back: the white space in
    // front of the keyword, delimiter or "|" of the line the block takes its
    // column from, as written there, so that a block indented with tabs keeps
    // its tabs.
    std::u16string indentation;
    // The length of `indentation`: how much of the leading white space of a
    // doc string's content lines belongs to the indentation.
    int indent = 0;
    // The block's last line, or the line a new block follows, is the text's
    // last line and has no line break: what is written there must not run on
    // into that line, nor add a break the text did not have.
    bool endsText = false;
    // The line after the block is empty (or blanks only) already, so writing
    // the block back adds no empty line of its own.
    bool emptyLineAfter = false;
    NoBlock noBlock = NoBlock::NotAllowed;
};
