#pragma once

#include "core/table/CellMatrix.h"

#include <string>
#include <string_view>
#include <vector>

// The one aligned form in which the editor writes tables: one line per row,
// each cell written as "|", a blank, its text and as many blanks as make the
// text followed by two blanks more than the widest text of its column needs;
// the line ends with "|". A column of empty texts is "|" and three blanks, a
// row without cells the single "|". Lines carry no indentation and no line
// break. The aligned form of a rectangular matrix M is
// CellMatrixToLines(PadColumns(M)).
//
// Widths are display widths (DisplayWidth): a column of wide characters lines
// up in the fixed-pitch view, and for narrow text the width is the length.
// Cell texts are written so that reading the line back gives the same
// columns: a "|" that no backslash escapes is written "\|", and a line break
// (CR LF, LF or CR) Gherkin's "\n"; widths are measured on the text as
// written. Escapes already in a cell are left as they are, so writing a
// written text again changes nothing.

// The cell text as the layout writes it.
std::u16string WrittenCellText(std::u16string_view cell);

// The first stage: each cell becomes a blank, its written text and enough
// blanks to make every cell of its column as wide as the widest text plus
// two. Rows may differ in length; a column is as wide as its cells in the
// rows that reach it. Any number of columns.
CellMatrix PadColumns(const CellMatrix& matrix);

// The second stage: one line per row, each cell k "|" followed by the written
// cell and blanks to the widest written text of column k plus one, then "|".
LineList CellMatrixToLines(const CellMatrix& matrix);

// Table rows as the editor writes them back: split into cells, padded to a
// rectangle with empty cells, and laid out in the aligned form (the same
// lines as CellMatrixToLines(PadColumns(...)), made in one pass).
LineList AlignTableLines(const LineList& rows);
