#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/editor/LineSource.h"

#include <string>
#include <vector>

// Why align leaves a table as it stands: the grid would read its rows
// otherwise than Cucumber does, and laying them out would change what the
// scenario means.
enum class TableLeftAlone {
    // A row goes on after its last "|" (or its last "|" is escaped): Cucumber
    // ignores that text, where the layout would make a cell of it.
    TEXT_AFTER_LAST_SEPARATOR,
    // Rows of different numbers of cells, which Cucumber reports as an
    // error, where the layout would fill the short rows.
    UNEVEN_ROWS,
    // The rows may go on past the analysed lines, behind comment or empty
    // lines or at the last of them: laid out in part, the columns would no
    // longer line up.
    MAY_RUN_PAST_LIMIT,
};

struct UnalignedTable {
    int line = 0; // the row that makes the difference; MAY_RUN_PAST_LIMIT: the first row
    TableLeftAlone reason = TableLeftAlone::TEXT_AFTER_LAST_SEPARATOR;
    int cells = 0; // UNEVEN_ROWS: that row's cells
    int firstRowCells = 0; // UNEVEN_ROWS: the table's first row's cells
};

// The whole text (CR LF line breaks) with every table aligned as the Table
// command writes a table back, and nothing else changed. A table is what
// Cucumber reads as one among the analysed lines: the rows after a step (or
// after the doc string that follows a step) or after an Examples line and its
// description; comment and empty lines may stand before and between its rows,
// and stay where they are while all its rows are laid out as one table, every
// row behind the white space that stands before the "|" of its first row. Rows
// anywhere else (in a description, in a doc string) are text and stay, and so
// does every table of TablesLeftAlone. No placeholders are merged and no line
// is added; each row keeps its own line break, so a last row without one stays
// without. Lines past the analysed ones stay as they are, and so does a table
// that may go on past them. `analysis` must describe `source` (AnalyseAll).
// Aligning the result again changes nothing.
std::u16string AlignWholeText(const LineSource& source, const LineAnalysis& analysis);

// The tables that AlignWholeText leaves as they stand, top to bottom.
std::vector<UnalignedTable> TablesLeftAlone(const LineAnalysis& analysis);
