#pragma once

#include "grid/CGridCell.h"
#include "grid/CGridDefaultCell.h"
#include "grid/CellID.h"
#include "grid/CellSelection.h"
#include "grid/CellState.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// The grid's data without its window: the counts, the cells, the row heights
// and column widths, the default cells, the focus cell and the selection.
//
// The first rows and columns are fixed (headers). Every position of the matrix
// holds a cell. A row of height 0 or a column of width 0 is hidden: it keeps
// its cells, but navigation, copying and pasting pass over it.
//
// Operations given a coordinate outside the grid do nothing and answer false,
// -1, an empty text or no cell.
class CGridModel {
public:
    CGridModel(int rows, int cols, int fixedRows, int fixedCols);

    // Counts. Setting a count to the present one does nothing; setting it
    // below the fixed count lowers the fixed count too. New rows and columns
    // get the default cell's height and width and empty cells.
    int GetRowCount() const { return m_rowCount; }
    int GetColumnCount() const { return m_colCount; }
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    bool SetRowCount(int rows);
    bool SetColumnCount(int cols);
    // Also clears the selection and the focus cell; a fixed count above the
    // row (column) count raises that count first.
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);

    bool IsValid(int row, int col) const
    {
        return row >= 0 && row < m_rowCount && col >= 0 && col < m_colCount;
    }
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }

    // Cells and their texts.
    CGridCellBase* GetCell(int row, int col) const;
    QString GetItemText(int row, int col) const;
    // Sets the text and marks the cell and the grid modified.
    bool SetItemText(int row, int col, const QString& text);
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

    // Rows. InsertRow(-1) appends; otherwise the index must be a data row
    // (at least the fixed row count, below the row count). Returns the new
    // row's index, or -1. A focus cell below the new row moves down with its
    // row; the selection is cleared.
    int InsertRow(int row);
    // Also clears the selection and the focus cell.
    bool DeleteRow(int row);

    // Sizes in pixels; 0 hides a row or column.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    bool IsRowVisible(int row) const { return GetRowHeight(row) > 0; }
    bool IsColumnVisible(int col) const { return GetColumnWidth(col) > 0; }
    // Top of a row and left of a column as if nothing were scrolled.
    int GetRowTop(int row) const;
    int GetColumnLeft(int col) const;
    int GetFixedRowHeight() const { return GetRowTop(m_fixedRows); }
    int GetFixedColumnWidth() const { return GetColumnLeft(m_fixedCols); }
    int GetTotalHeight() const { return GetRowTop(m_rowCount); }
    int GetTotalWidth() const { return GetColumnLeft(m_colCount); }

    // The default cells: attributes that cells do not set, and the size of new
    // rows and columns.
    const CGridDefaultCell& GetDefaultCell(bool fixedRow, bool fixedCol) const;
    CGridDefaultCell& GetDefaultCell(bool fixedRow, bool fixedCol);
    const CGridDefaultCell& GetDefaultCellFor(int row, int col) const
    {
        return GetDefaultCell(row < m_fixedRows, col < m_fixedCols);
    }
    int GetDefaultCellWidth() const { return GetDefaultCell(false, false).GetWidth(); }
    int GetDefaultCellHeight() const { return GetDefaultCell(false, false).GetHeight(); }

    // A cell's attributes with its default cell's standing in for those it
    // does not set. Colours may be invalid: the palette's are meant then.
    const QFont& GetCellFont(int row, int col) const;
    int GetCellMargin(int row, int col) const;
    std::uint32_t GetCellFormat(int row, int col) const;
    QColor GetCellTextColour(int row, int col) const;
    QColor GetCellBackColour(int row, int col) const;

    // The grid's font: the normal default cell's. Setting it gives the font
    // to all four default cells, makes every row and the default cells
    // (5/2 x pixel height) high and default cells 3/2 of that wide, and sizes
    // every visible column to its contents.
    const QFont& GetGridFont() const { return GetDefaultCell(false, false).GetDefaultFont(); }
    void SetGridFont(const QFont& font);

    // Auto-sizing: the extent of a cell is its text's size in its font (a
    // text shorter than three characters counts as "WWW") and twice its
    // margin. The style says which rows count (AutoSizeStyle).
    QSize GetCellExtent(int row, int col) const;
    int GetAutoSizeStyle() const { return m_autoSizeStyle; }
    void SetAutoSizeStyle(int style) { m_autoSizeStyle = style; }
    bool AutoSizeColumn(int col, int style = AUTOSIZE_DEFAULT);
    // A row measures all its visible columns.
    bool AutoSizeRow(int row);
    void AutoSizeColumns(int style = AUTOSIZE_DEFAULT);
    // Every visible row and column sized to the largest extent in it.
    void AutoSize(int style = AUTOSIZE_DEFAULT);

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
    // taken as data cells only.
    void SelectRange(const CCellRange& range);
    // Keeps the present selection under later SelectRange calls (a Ctrl+click
    // adds to what was selected), or forgets what was kept.
    void KeepSelection() { m_previousSelection = m_selection; }
    void ForgetKeptSelection() { m_previousSelection.Clear(); }
    void ClearSelection();

    // The next visible data row or column from `from` on in the direction of
    // `step` (+1 or -1), `from` itself included; -1 when there is none among
    // the data rows (columns).
    int VisibleRowFrom(int from, int step) const;
    int VisibleColumnFrom(int from, int step) const;
    // The first visible data cell; invalid when there is none.
    CCellID GetTopLeftDataCell() const;

private:
    std::unique_ptr<CGridCellBase> NewCell() const;
    void ClipSelection();
    // The rows [first, end) that an auto-size style measures.
    std::pair<int, int> RowsOfStyle(int style) const;

    int m_rowCount = 0;
    int m_colCount = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    // m_rows[row][col]; every position of the matrix holds a cell.
    std::vector<std::vector<std::unique_ptr<CGridCellBase>>> m_rows;
    std::vector<int> m_rowHeights;
    std::vector<int> m_colWidths;
    // Normal, fixed row, fixed column, both: indexed by fixedRow * 1 + fixedCol * 2.
    CGridDefaultCell m_defaultCells[4];

    CCellID m_focusCell;
    CCellID m_selectionStart;
    CCellSelection m_selection;
    CCellSelection m_previousSelection;

    bool m_modified = false;
    int m_autoSizeStyle = AUTOSIZE_BOTH;
};
