#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/table/CellMatrix.h"

// The blocks that the Table and String commands edit around the caret's line
// i, read from the per-line tables as they stand. A line outside the analysed
// lines finds nothing. The block's lines are the analysis' own, each with its
// carriage return. A block's indentation is the white space in front of the
// line it takes its column from, copied as written, tabs and all. A block that
// may run on past the analysed lines, or a new one that would go in front of
// such a block, is no block to edit (NoBlock::PastLimit): the part that is not
// analysed would be cut off or split from it.

// A table row: the run of rows around it, indented as the run's first row is.
// A step or Examples line: the table Cucumber gives it, the run of rows that
// starts below the comments, empty lines and doc string after the step, or
// below the Examples line's description, indented as the step or Examples line
// is; or else a new MakeDefaultTable placed right after the step, or after the
// Examples line's description. A table whose rows comment or empty lines
// part is no block to edit (NoBlock::RowsApart): the grid holds one unbroken
// run of rows. Anything else: no block.
BlockLocation FindTableAtLine(const LineAnalysis& analysis, int i);

// The Examples line whose table the Table command edits from line i: line i
// itself, or, from a row of a run of rows that starts an Examples table, the
// Examples line above its description. -1 for anything else.
int ExamplesLineOfTable(const LineAnalysis& analysis, int i);

// A delimiter or any line inside a doc string: the whole doc string from its
// opening to its closing delimiter, paired as the analysis pairs them,
// whatever lines it holds, indented as its opening delimiter is, from which
// column Cucumber reads its content. A step: the doc string that opens right
// below it, or else a new MakeDefaultDocString placed right after the step,
// indented as the step is. A doc string that no delimiter closes is no block
// (NoBlock::NotClosed): Cucumber reads no content in it. Anything else: no
// block.
BlockLocation FindDocStringAtLine(const LineAnalysis& analysis, int i);

// Two rows of two empty cells, "| | |", each behind `indent` blanks.
LineList MakeDefaultTable(int indent);

// An opening and a closing delimiter and nothing between them, each behind
// `indent` blanks, so that the String command opens on an empty text.
LineList MakeDefaultDocString(int indent);
