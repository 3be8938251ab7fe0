#pragma once

#include "grid/CGridModel.h"
#include "grid/CellID.h"
#include "grid/GridAxis.h"
#include "table/GridTexts.h"

#include <QString>

#include <vector>

class CGridCtrl;

// One change to the table, kept as what it takes to turn the grid back and
// forth across it. A step holds only what the grid does not hold at the
// moment: the other texts of the cells it changed, a row or column it took
// away, or, for the commands that change everything (Transform, Paste Table),
// the other whole table. Toggle() crosses the step in either direction and
// keeps in the step what it takes out of the grid, so undoing and redoing are
// one operation and the step never holds both sides.
class TableStep {
public:
    // Cells whose texts changed; add each with the text it no longer shows.
    static TableStep Cells() { return TableStep(CELLS); }
    // Cells whose texts changed, each with the text it had, in the order they changed.
    static TableStep Cells(std::vector<GridCellText> before);
    // A row or column now at `index` of the grid, that the other side lacks.
    static TableStep LineAdded(Axis axis, int index);
    // Takes the row or column at `index` out of the grid, into the step.
    static TableStep RemoveLine(CGridCtrl& grid, Axis axis, int index);
    // The whole table as it is before a command that changes everything.
    static TableStep WholeTable(const CGridCtrl& grid);

    void AddCell(int row, int col, const QString& otherText) { m_cells.push_back({ row, col, otherText }); }

    // Brings the grid to the other side of the step. Answers the range of
    // data cells whose texts it changed (invalid when none did).
    CCellRange Toggle(CGridCtrl& grid);

private:
    enum Kind { CELLS, LINE, WHOLE };

    explicit TableStep(Kind kind)
        : m_kind(kind)
    {
    }
    CCellRange ToggleLine(CGridCtrl& grid);

    Kind m_kind;
    // CELLS: the cells in the order they changed, or the reverse order once
    // undone.
    std::vector<GridCellText> m_cells;
    // LINE: which one, whether the grid holds it now, and, while it does
    // not, its texts (from its header cell on) and its height or width.
    Axis m_axis = Axis::Row;
    int m_index = 0;
    bool m_inGrid = true;
    std::vector<QString> m_texts;
    int m_size = 0;
    // WHOLE: the data cells of the other side.
    TextMatrix m_table;
};

// The table dialog's Undo and Redo: the steps done, the newest last, and the
// steps undone, the last undone last. A new step forgets what was undone.
class TableHistory {
public:
    void Push(TableStep step);
    // The newest step done, to add cells to while one command goes on.
    TableStep& Newest() { return m_done.back(); }

    bool CanUndo() const { return !m_done.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }
    // Each answers the range of data cells it changed (TableStep::Toggle);
    // an invalid one when there was no step.
    CCellRange Undo(CGridCtrl& grid);
    CCellRange Redo(CGridCtrl& grid);

private:
    std::vector<TableStep> m_done;
    std::vector<TableStep> m_undone;
};
