#include "table/TableHistory.h"

#include "grid/CGridCtrl.h"

#include <algorithm>
#include <utility>

TableStep TableStep::Cells(std::vector<GridCellText> before)
{
    TableStep step(CELLS);
    step.m_cells = std::move(before);
    return step;
}

TableStep TableStep::LineAdded(Axis axis, int index)
{
    TableStep step(LINE);
    step.m_axis = axis;
    step.m_index = index;
    return step;
}

TableStep TableStep::RemoveLine(CGridCtrl& grid, Axis axis, int index)
{
    TableStep step = LineAdded(axis, index);
    step.ToggleLine(grid);
    return step;
}

TableStep TableStep::WholeTable(const CGridCtrl& grid)
{
    TableStep step(WHOLE);
    step.m_table = GridTexts(grid);
    return step;
}

CCellRange TableStep::Toggle(CGridCtrl& grid)
{
    switch (m_kind) {
    case CELLS: {
        // Undone last to first, redone first to last, so that a cell changed
        // twice in one step ends where it should.
        std::reverse(m_cells.begin(), m_cells.end());
        grid.ExchangeItemTexts(m_cells);
        CCellRange changed;
        for (const GridCellText& cell : m_cells)
            changed = changed.UnionWith({ cell.row, cell.col, cell.row, cell.col });
        return changed;
    }
    case LINE:
        return ToggleLine(grid);
    case WHOLE: {
        TextMatrix shown = GridTexts(grid);
        LoadGridTexts(grid, std::move(m_table), true);
        m_table = std::move(shown);
        return { 1, 1, grid.GetRowCount() - 1, grid.GetColumnCount() - 1 };
    }
    }
    return {};
}

CCellRange TableStep::ToggleLine(CGridCtrl& grid)
{
    const bool rows = m_axis == Axis::Row;
    const int across = rows ? grid.GetColumnCount() : grid.GetRowCount();
    if (m_inGrid) {
        // Only the texts the grid held: a removed line holds a shared copy of
        // each, and none for an empty cell.
        m_texts.assign(across, QString());
        for (int i = 0; i < across; ++i)
            m_texts[i] = rows ? grid.GetItemText(m_index, i) : grid.GetItemText(i, m_index);
        m_size = rows ? grid.GetRowHeight(m_index) : grid.GetColumnWidth(m_index);
        if (rows)
            grid.DeleteRow(m_index);
        else
            grid.DeleteColumn(m_index);
        m_inGrid = false;
        return {};
    }
    const int count = rows ? grid.GetRowCount() : grid.GetColumnCount();
    const int at = m_index >= count ? -1 : m_index;
    if (rows) {
        grid.InsertRow(at);
        grid.SetRowHeight(m_index, m_size);
    } else {
        grid.InsertColumn(at);
        grid.SetColumnWidth(m_index, m_size);
    }
    for (int i = 0; i < static_cast<int>(m_texts.size()); ++i) {
        if (rows)
            grid.SetItemText(m_index, i, m_texts[i]);
        else
            grid.SetItemText(i, m_index, m_texts[i]);
    }
    m_texts.clear();
    m_inGrid = true;
    if (rows)
        return { m_index, 1, m_index, grid.GetColumnCount() - 1 };
    return { 1, m_index, grid.GetRowCount() - 1, m_index };
}

void TableHistory::Push(TableStep step)
{
    m_done.push_back(std::move(step));
    m_undone.clear();
}

CCellRange TableHistory::Undo(CGridCtrl& grid)
{
    if (m_done.empty())
        return {};
    const CCellRange changed = m_done.back().Toggle(grid);
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    return changed;
}

CCellRange TableHistory::Redo(CGridCtrl& grid)
{
    if (m_undone.empty())
        return {};
    const CCellRange changed = m_undone.back().Toggle(grid);
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    return changed;
}
