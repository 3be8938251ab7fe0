#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/table/CellMatrix.h"

// The blocks that the Table and String commands edit around the caret's line
// i, read from the per-line tables as they stand. A line outside the analysed
// lines finds nothing. The block's lines are the analysis' own, each with its
// carriage return. A block that runs on past the analysed lines, or a new one
// that would go in front of such a block, is no block to edit
// (NoBlock::PastLimit): the part that is not analysed would be cut off or
// split from it.

// A table row: the run of rows around it, indented to the column of the
// run's first "|". A step or Examples line: the run of rows right below it,
// indented to the line's keyword column, or else a new MakeDefaultTable placed
// right after the line. Anything else: no block.
BlockLocation FindTableAtLine(const LineAnalysis& analysis, int i);

// A delimiter or any line inside a doc string: the whole doc string from its
// opening to its closing delimiter, paired as the analysis pairs them,
// whatever lines it holds. A step: the doc string that opens right below it,
// or else a new MakeDefaultDocString placed right after the step, indented to
// the step's keyword column. An existing doc string's indent is its opening
// delimiter's column, from which Cucumber reads its content. A doc string
// that no delimiter closes is no block (NoBlock::NotClosed): Cucumber reads
// no content in it. Anything else: no block.
BlockLocation FindDocStringAtLine(const LineAnalysis& analysis, int i);

// Two rows of two empty cells, "| | |", each behind `indent` blanks.
LineList MakeDefaultTable(int indent);

// An opening and a closing delimiter and nothing between them, each behind
// `indent` blanks, so that the String command opens on an empty text.
LineList MakeDefaultDocString(int indent);
