#pragma once

#include "core/table/CellMatrix.h"

#include <string>
#include <string_view>
#include <vector>

// The one aligned form in which the editor writes tables: one line per row,
// each cell written as "|", a blank, its text and as many blanks as make the
// text followed by two blanks more than the widest text of its column needs;
// the line ends with "|". Every row has as many cells as the longest, short
// rows filled with empty cells; a column of empty texts is "|" and three
// blanks, and a table without cells gives lines of the single "|". Lines
// carry no indentation and no line break.
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

// The aligned form of the rows of a matrix of cells; short rows are filled
// with empty cells.
LineList AlignCellMatrix(const CellMatrix& matrix);

// Table rows as the editor writes them back: split into cells and laid out
// as AlignCellMatrix lays out their cells.
LineList AlignTableLines(const LineList& rows);
