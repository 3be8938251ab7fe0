#pragma once

#include "core/table/CellMatrix.h"
#include "core/table/ClipboardTable.h"
#include "grid/CGridCtrl.h"
#include "table/TableHistory.h"

#include <QDialog>
#include <QFont>

#include <map>
#include <string>
#include <vector>

class QMenu;
class QPushButton;

// The table editor: one Gherkin data table as a grid of cells, edited like a
// spreadsheet, with OK, Cancel and Help below the grid.
//
// Row 0 and column 0 are header cells without text; data cell (r, c), from
// (1, 1), holds the c-th cell of the r-th table row. A right-click on a header
// cell opens the menu of its row, its column or (the corner) the whole table;
// on a data cell the grid's own Copy, Paste and Cut. Every command that
// changes the table, typing into cells included, can be undone, one step at a
// time, from the menus or with Ctrl+Z while no cell is being edited, and done
// again with Redo (Ctrl+Y, Ctrl+Shift+Z) until a new change is made.
//
// The Table command sets m_gridFont (and may set m_clickedRow and
// m_clickedColumn), loads the table with SetTableLines, runs the dialog with
// exec() and, only when that returns QDialog::Accepted, reads GetTableLines().
// The Help button only asks for help (helpRequested): the help itself is the
// command's to show.
class CGridDialog : public QDialog {
    Q_OBJECT

public:
    explicit CGridDialog(QWidget* parent = nullptr);
    ~CGridDialog() override;

    // Loads a table: one grid row per line, as many data columns as the
    // longest row has cells; the cells a short row does not reach are empty.
    // Each cell shows its value, its escapes read (CellValue).
    void SetTableLines(const LineList& lines);
    // The data cells as aligned table lines without indentation, one per row,
    // each value escaped again as the file writes it.
    LineList GetTableLines() const;
    // The data cells' values as a rectangle of (rows - 1) x (columns - 1) texts.
    CellMatrix GridToCellMatrix() const;
    // Writes `matrix` from cell (1, 1), growing the grid to hold it; with
    // `exact` a grid larger than the matrix also shrinks to it. Cells the
    // matrix does not cover keep their text.
    void LoadCellMatrix(const CellMatrix& matrix, bool exact);

    void setVisible(bool visible) override;
    void done(int result) override;
    // Asks before a changed table is thrown away (MessageBoxAsk).
    void reject() override;

    // The grid cell of the last right-click on the grid.
    int m_clickedRow = 1;
    int m_clickedColumn = 1;
    // The font of the cells (MakeGridFont), set before the dialog shows.
    QFont m_gridFont;

signals:
    void helpRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The first showing: the grid's font, the starting focus cell, the size.
    void OnInitDialog();
    QSize InitialSize() const;
    void LayoutControls();
    void FocusNextControl();
    void FocusPreviousControl();

    // Undo and Redo (CGridDialogCells.cpp). Each command that changes the
    // table records one step of what it did, a command of the grid's own on
    // cells (typing, a paste, a cut, a Delete) too, when it reports the cells
    // it changed.
    void Record(TableStep step);
    void OnCellsChanged(std::vector<GridCellText>& before);
    // Sets a cell's text as the dialog's own commands do, into `step`.
    void SetCellText(int row, int col, const QString& text, TableStep& step);
    void AfterHistory(const CCellRange& changed);

    // Cells (CGridDialogCells.cpp).
    CellMatrix RowToCellMatrix(int row) const;
    CellMatrix ColumnToCellMatrix(int col) const;
    // The data cells as the file writes them: the text a cell was loaded
    // from while its value is the same, its value escaped otherwise.
    CellMatrix WrittenCells() const;
    // After a command that may have taken the focus cell or the selection
    // away, a data cell near the click has the focus and the focus cell is
    // selected, so that the keys and Copy go on working.
    void KeepFocusCell();

    // The context menus (CGridDialogMenus.cpp).
    void OnGridRightClick(int row, int col);
    QMenu* BuildContextMenu(int menu);
    bool IsCommandEnabled(int command, ClipboardShape clipboardShape) const;
    void OnCommand(int command);
    QAction* GridAction(int command) const;

    void OnInsertRowAbove();
    void OnInsertRowBelow();
    void OnDeleteRow();
    void OnCopyRow();
    void OnPasteRow();
    void OnInsertColumnBefore();
    void OnInsertColumnAfter();
    void OnDeleteColumn();
    void OnCopyColumn();
    void OnPasteColumn();
    void OnPasteTable();
    void OnTransform();
    void OnUndo();
    void OnRedo();

    TableHistory m_history;
    // Values whose loaded text escaped more than it needed (as "\\" before a
    // letter), with that text: the file keeps what the user did not change.
    std::map<std::u16string, std::u16string> m_writtenAs;
    CGridCtrl m_grid;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    bool m_initialised = false;
};
