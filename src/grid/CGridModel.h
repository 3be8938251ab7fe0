#pragma once

#include "grid/CGridCell.h"
#include "grid/CGridDefaultCell.h"
#include "grid/CellID.h"
#include "grid/CellSelection.h"
#include "grid/CellState.h"
#include "grid/GridAxis.h"
#include "grid/GridText.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

// Texts of a block of cells, row by row, as the grid takes them in bulk.
using TextMatrix = std::vector<std::vector<GridText>>;

// A cell and a text of it: the text it had, as the grid reports a change.
struct GridCellText {
    int row;
    int col;
    GridText text;
};

// What the user selected, as the grid's menu key reports it: cells, whole
// rows (a click on their header, Shift+Space), whole columns (a click on
// their header, Ctrl+Space), or everything (the corner, Ctrl+A).
enum class SelectionKind { Cells, Rows, Columns, All };

// The grid's data without its window: the counts, the cells, the row heights
// and column widths, the default cell, the focus cell and the selection.
//
// The first rows and columns are fixed (headers). Every position of the matrix
// holds a cell. A row of height 0 or a column of width 0 is hidden: it keeps
// its cells, but navigation, copying and pasting pass over it.
//
// Operations given a coordinate outside the grid do nothing and answer false,
// -1, an empty text or no cell. What holds for rows holds for columns: each
// operation is written once for an Axis.
class CGridModel {
public:
    CGridModel(int rows, int cols, int fixedRows, int fixedCols);

    const GridAxis& GetAxis(Axis axis) const { return axis == Axis::Row ? m_rowAxis : m_colAxis; }

    // Counts. Setting a count to the present one does nothing; setting it
    // below the fixed count lowers the fixed count too. New rows and columns
    // get the default cell's height and width and empty cells.
    int GetRowCount() const { return m_rowAxis.Count(); }
    int GetColumnCount() const { return m_colAxis.Count(); }
    int GetFixedRowCount() const { return m_rowAxis.FixedCount(); }
    int GetFixedColumnCount() const { return m_colAxis.FixedCount(); }
    bool SetCount(Axis axis, int count);
    bool SetRowCount(int rows) { return SetCount(Axis::Row, rows); }
    bool SetColumnCount(int cols) { return SetCount(Axis::Column, cols); }
    // Also clears the selection and the focus cell; a fixed count above the
    // row (column) count raises that count first.
    bool SetFixedCount(Axis axis, int fixed);
    bool SetFixedRowCount(int fixedRows) { return SetFixedCount(Axis::Row, fixedRows); }
    bool SetFixedColumnCount(int fixedCols) { return SetFixedCount(Axis::Column, fixedCols); }

    bool IsValid(int row, int col) const
    {
        return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
    }
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsFixed(int row, int col) const { return row < GetFixedRowCount() || col < GetFixedColumnCount(); }

    // Cells and their texts.
    CGridCell* GetCell(int row, int col) { return IsValid(row, col) ? &m_cells[row][col] : nullptr; }
    const CGridCell* GetCell(int row, int col) const
    {
        return IsValid(row, col) ? &m_cells[row][col] : nullptr;
    }
    QString GetItemText(int row, int col) const;
    // Sets the text and marks the cell and the grid modified.
    bool SetItemText(int row, int col, GridText text);
    // Moves the texts into the cells from (row, col) on, row by row, each
    // as SetItemText sets it; texts beyond the grid are dropped.
    void SetItemTexts(int row, int col, TextMatrix&& texts);
    // Gives each cell the text beside it and keeps the cell's text there
    // instead, marking the cell and the grid modified; cells outside the grid
    // are passed over.
    void ExchangeItemTexts(std::vector<GridCellText>& cells);
    // Marks the cell modified when it exists, and the grid in any case
    // (-1, -1 marks only the grid).
    void SetModified(int row, int col);
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // The cell's flags (CellState): its own, read-only and modified, with the
    // focused, selected and fixed flags of its place. Setting the selected flag
    // selects the cell, clearing it unselects the cell; the focused and fixed
    // flags follow the focus cell and the fixed counts and are not stored.
    std::uint32_t GetItemState(int row, int col) const;
    bool SetItemState(int row, int col, std::uint32_t state);
    bool IsCellReadOnly(int row, int col) const;

    // A new row (column) before `at`, which must not be fixed and must be
    // below the count, or after the last for -1. Returns the new one's index,
    // or -1. The focus cell beyond it moves on with its cell; the selection is
    // cleared.
    int Insert(Axis axis, int at);
    int InsertRow(int row) { return Insert(Axis::Row, row); }
    int InsertColumn(int col) { return Insert(Axis::Column, col); }
    // Also clears the selection and the focus cell.
    bool Delete(Axis axis, int at);
    bool DeleteRow(int row) { return Delete(Axis::Row, row); }
    bool DeleteColumn(int col) { return Delete(Axis::Column, col); }

    // Sizes in pixels; 0 hides a row or column.
    int GetRowHeight(int row) const { return m_rowAxis.Size(row); }
    int GetColumnWidth(int col) const { return m_colAxis.Size(col); }
    bool SetRowHeight(int row, int height) { return m_rowAxis.SetSize(row, height); }
    bool SetColumnWidth(int col, int width) { return m_colAxis.SetSize(col, width); }
    // A size the user dragged: kept as it is until the row (column) is sized
    // to its contents again.
    bool SetSizeByHand(Axis axis, int i, int size);
    bool IsRowVisible(int row) const { return m_rowAxis.IsVisible(row); }
    bool IsColumnVisible(int col) const { return m_colAxis.IsVisible(col); }
    int GetFixedRowHeight() const { return m_rowAxis.FixedSize(); }
    int GetFixedColumnWidth() const { return m_colAxis.FixedSize(); }
    int GetTotalHeight() const { return m_rowAxis.Total(); }
    int GetTotalWidth() const { return m_colAxis.Total(); }

    // What all cells share: the font, the margin beside the text, and the
    // size of new rows and columns.
    int GetDefaultCellWidth() const { return m_defaultCell.GetWidth(); }
    int GetDefaultCellHeight() const { return m_defaultCell.GetHeight(); }
    int GetCellMargin() const { return m_defaultCell.GetMargin(); }

    // The font of the cells. Setting it makes every row and the default cell
    // (5/2 x pixel height) high and the default cell 3/2 of that wide, and
    // sizes every visible column to its contents.
    const QFont& GetGridFont() const { return m_defaultCell.GetFont(); }
    void SetGridFont(const QFont& font);

    // Auto-sizing, over the header rows and the data rows alike: the extent of
    // a cell is its text's size in the grid's font (a text shorter than three
    // characters counts as "WWW") and twice the margin.
    QSize GetCellExtent(int row, int col) const;
    bool AutoSizeColumn(int col);
    // A row measures all its visible columns.
    bool AutoSizeRow(int row);
    void AutoSizeColumns();
    // Every visible row and column sized to the largest extent in it.
    void AutoSize();
    // Each column of the range whose cells there are wider than it widens to
    // fit them (never narrows); a column sized by hand, or hidden, stays as
    // it is. For text just typed or pasted into those cells.
    void WidenColumnsToFit(const CCellRange& cells);

    // Focus and selection. The focus cell may be none (-1, -1).
    CCellID GetFocusCell() const { return m_focusCell; }
    void SetFocusCell(const CCellID& cell);
    CCellID GetSelectionStart() const { return m_selectionStart; }
    void SetSelectionStart(const CCellID& cell) { m_selectionStart = cell; }
    const CCellSelection& GetSelection() const { return m_selection; }
    bool IsCellSelected(int row, int col) const { return m_selection.Contains(row, col); }
    // The smallest range holding every selected cell; invalid when none is.
    CCellRange GetSelectedRange() const { return m_selection.Bounds(); }
    // The range of all data cells; invalid when there is none.
    CCellRange GetDataRange() const;
    // The selection becomes the cells kept by KeepSelection() and `range`,
    // taken as data cells only, selected as `kind`.
    void SelectRange(const CCellRange& range, SelectionKind kind = SelectionKind::Cells);
    SelectionKind GetSelectionKind() const { return m_selectionKind; }
    // Keeps the present selection under later SelectRange calls (a Ctrl+click
    // adds to what was selected), or forgets what was kept.
    void KeepSelection() { m_previousSelection = m_selection; }
    void ForgetKeptSelection() { m_previousSelection.Clear(); }
    void ClearSelection();

    // The next visible data row or column from `from` on in the direction of
    // `step` (+1 or -1), `from` itself included; -1 when there is none among
    // the data rows (columns).
    int VisibleRowFrom(int from, int step) const { return m_rowAxis.VisibleFrom(from, step); }
    int VisibleColumnFrom(int from, int step) const { return m_colAxis.VisibleFrom(from, step); }
    // The first visible data cell; invalid when there is none.
    CCellID GetTopLeftDataCell() const;

private:
    GridAxis& AxisOf(Axis axis) { return axis == Axis::Row ? m_rowAxis : m_colAxis; }
    int DefaultSize(Axis axis) const
    {
        return axis == Axis::Row ? m_defaultCell.GetHeight() : m_defaultCell.GetWidth();
    }
    void ClipSelection();

    GridAxis m_rowAxis;
    GridAxis m_colAxis;
    // m_cells[row][col]; every position of the matrix holds a cell.
    std::vector<std::vector<CGridCell>> m_cells;
    CGridDefaultCell m_defaultCell;

    CCellID m_focusCell;
    CCellID m_selectionStart;
    CCellSelection m_selection;
    CCellSelection m_previousSelection;
    SelectionKind m_selectionKind = SelectionKind::Cells;

    bool m_modified = false;
};
