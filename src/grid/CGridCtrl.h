#pragma once

#include "grid/CGridModel.h"
#include "grid/CInPlaceEdit.h"
#include "grid/GridMouse.h"
#include "grid/GridText.h"

#include <QAbstractScrollArea>
#include <QPointer>

#include <optional>
#include <vector>

class QAction;
class QPainter;
class QScrollBar;
class CTextMeasure;

// The answer of a receiver of beginEdit or endEdit: setting `vetoed` refuses
// the edit (beginEdit) or puts the old text back (endEdit).
struct GridEditResult {
    bool vetoed = false;
};

// A grid of text cells like a spreadsheet's: fixed header rows and columns that
// stay in place while the rest scrolls, rows and columns sized by dragging
// their dividers in the headers, selection of cells, rows, columns or all, key
// navigation, one cell at a time edited in place, and the clipboard commands.
//
// The data live in a CGridModel; the operations here change it and then bring
// the window up to date (scroll bars, painting, an open editor).
class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0, QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Everything the grid knows, to read.
    const CGridModel& Model() const { return m_model; }

    // Counts (CGridModel holds the rules).
    int GetRowCount() const { return m_model.GetRowCount(); }
    int GetColumnCount() const { return m_model.GetColumnCount(); }
    int GetFixedRowCount() const { return m_model.GetFixedRowCount(); }
    int GetFixedColumnCount() const { return m_model.GetFixedColumnCount(); }
    bool SetRowCount(int rows);
    bool SetColumnCount(int cols);
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);

    // Cells.
    const CGridCell* GetCell(int row, int col) const { return m_model.GetCell(row, col); }
    QString GetItemText(int row, int col) const { return m_model.GetItemText(row, col); }
    bool SetItemText(int row, int col, GridText text);
    // Many cells at once, each as SetItemText sets it, repainting once
    // (CGridModel::SetItemTexts, ExchangeItemTexts).
    void SetItemTexts(int row, int col, TextMatrix&& texts);
    void ExchangeItemTexts(std::vector<GridCellText>& cells);
    std::uint32_t GetItemState(int row, int col) const { return m_model.GetItemState(row, col); }
    bool SetItemState(int row, int col, std::uint32_t state);
    void SetModified(int row = -1, int col = -1) { m_model.SetModified(row, col); }
    bool IsModified() const { return m_model.IsModified(); }

    // Rows and columns (CGridModel::Insert, Delete).
    int InsertRow(int row);
    bool DeleteRow(int row);
    int InsertColumn(int col);
    bool DeleteColumn(int col);

    // Sizes and geometry; rectangles are in the coordinates of the client area
    // (the viewport).
    int GetRowHeight(int row) const { return m_model.GetRowHeight(row); }
    int GetColumnWidth(int col) const { return m_model.GetColumnWidth(col); }
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetDefaultCellWidth() const { return m_model.GetDefaultCellWidth(); }
    int GetDefaultCellHeight() const { return m_model.GetDefaultCellHeight(); }
    bool GetCellRect(int row, int col, QRect& rect) const;
    // The cell under a point of the client area; (-1, -1) outside every cell.
    CCellID GetCellFromPt(const QPoint& point) const;
    bool IsCellVisible(int row, int col) const;
    // Scrolls until the cell shows, as far as it can.
    void EnsureVisible(int row, int col);
    void ResetScrollBars();

    bool AutoSizeColumn(int col);
    bool AutoSizeRow(int row);
    void AutoSizeColumns();
    void AutoSize();
    // Columns too narrow for the texts of the range widen to fit them, unless
    // the user sized them by hand (CGridModel::WidenColumnsToFit). Typing and
    // the grid's own Paste do it for the cells they change.
    void WidenColumnsToFit(const CCellRange& cells);

    // The font of the cells (see CGridModel::SetGridFont).
    void SetGridFont(const QFont& font);
    const QFont& GetGridFont() const { return m_model.GetGridFont(); }

    // Focus and selection.
    CCellID GetFocusCell() const { return m_model.GetFocusCell(); }
    void SetFocusCell(int row, int col);
    CCellRange GetSelectedRange() const { return m_model.GetSelectedRange(); }
    void SetSelectedRange(const CCellRange& range, SelectionKind kind = SelectionKind::Cells);
    bool IsCellSelected(int row, int col) const { return m_model.IsCellSelected(row, col); }

    // In-place editing.
    virtual void EditCell(int row, int col, const EditStartKey& start);
    virtual void EndEditCell(int row, int col, const QString& text);
    virtual bool ValidateEdit(int row, int col, QStringView text);
    CInPlaceEdit* GetInPlaceEdit() const { return m_inPlaceEdit; }
    // Ends an edit in progress, keeping its text.
    void EndEditing();

    // The clipboard and the cell commands.
    virtual bool CopySelection();
    virtual void CutSelection();
    virtual void PasteClipboard();
    virtual void ClearSelectedCells();
    virtual void SelectAllCells();

    // The commands as actions, for a menu of the grid's owner to trigger;
    // UpdateActionStates() enables them as the grid stands.
    QAction* CopyAction() const { return m_copyAction; }
    QAction* CutAction() const { return m_cutAction; }
    QAction* PasteAction() const { return m_pasteAction; }
    void UpdateActionStates();

signals:
    // The notifications, each with the cell concerned.
    // A right click, (-1, -1) outside every cell; the menu key (or Shift+F10)
    // reports it too, on the header of the rows or columns selected whole,
    // on the corner when everything is, and otherwise on the focus cell.
    void rightClicked(int row, int col);
    void clicked(int row, int col);
    void doubleClicked(int row, int col);
    void selectionChanging(int row, int col);
    void selectionChanged(int row, int col);
    void beginEdit(int row, int col, GridEditResult* result);
    void endEdit(int row, int col, GridEditResult* result);
    // Once after each command of the user's that changed cell texts (an edit
    // in a cell's editor, a paste, a cut, a Delete), however many it changed:
    // each cell with the text it had, in the order they changed. An owner
    // that undoes commands records a step here.
    void cellsChanged(const std::vector<GridCellText>& before);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The focus cell's frame, drawn inside its grid lines; an open editor
    // stands inside it.
    static constexpr int FOCUS_FRAME_WIDTH = 2;

    // Layout, along one direction: the scroll bar that scrolls it, where a
    // row (column) starts in the client area, the one under a position of
    // the client area (-1 for none) and the visible ones.
    QScrollBar* ScrollBar(Axis axis) const;
    int StartOf(Axis axis, int i) const;
    int IndexAt(Axis axis, int pos) const;
    std::vector<Span> VisibleSpans(Axis axis) const;
    QRect DataArea() const;
    void Refresh();
    // Runs a change of the model's counts or sizes: an edit in progress ends
    // first, and the scroll bars and the painting follow.
    template <typename Change> auto Reshape(Change change);

    // Painting (CGridCtrlPaint.cpp).
    void DrawCell(QPainter& painter, const CTextMeasure& measure, int row, int col, const QRect& rect);
    void DrawFocusFrame(QPainter& painter);

    // Mouse (CGridCtrlMouse.cpp).
    // The divider under a point: columns are resized from the header rows,
    // rows from the header columns; -1 for none.
    int DividerAt(Axis axis, const QPoint& point) const;
    CCellID DataCellNear(const QPoint& point) const;
    // The selection as the mouse mode makes it, from the selection start cell
    // to `cell`: cells, whole rows or columns, or everything.
    void SelectFromStartTo(const CCellID& cell);
    // The first data cell of the row or column of a header cell.
    CCellID FocusForHeader(const CCellID& cell) const;
    void OnAutoScroll();
    void OnRightButtonUp(const QPoint& point);

    // Keys (CGridCtrlKeys.cpp).
    // The clipboard and cell commands' keys: whether a key is one, and doing it.
    static bool IsCommandKey(const QKeyEvent* event);
    bool HandleCommandKey(const QKeyEvent* event);
    // Moves the focus as a navigation key does; false for any other key.
    bool MoveFocusByKey(int key, Qt::KeyboardModifiers modifiers);
    // Shift+Space and Ctrl+Space: the rows (columns) of the selection, whole.
    void SelectWhole(SelectionKind kind);
    // The menu key: a right click on the cell that stands for the selection.
    void ReportMenuKey();
    // Where a navigation key takes the focus (appending a row for Right or
    // Tab in the last cell); nothing for another key.
    std::optional<CCellID> NextCellForKey(int key, Qt::KeyboardModifiers modifiers);
    CCellID AppendRowForKey();
    void MoveFocusTo(const CCellID& cell, bool extend);
    // The data rows that fit in the client area at once.
    int PageRows() const;

    // Editing (CGridCtrlEdit.cpp).
    void OnEditEnded(int row, int col, const QString& text, int key, Qt::KeyboardModifiers modifiers);
    // Whether beginEdit and endEdit have receivers: a command on many cells
    // asks once, and leaves out the signals nobody receives.
    struct EditReceivers {
        bool begin;
        bool end;
    };
    EditReceivers GetEditReceivers() const;
    // Sets texts the way paste, clear and the end of an edit do: each cell
    // asks beginEdit, validates, reports endEdit, and keeps its old text on
    // any refusal; a read-only cell, or one that has its text already, is
    // passed over. Leaves in `cells` the ones that changed, in order, each
    // with the text it had: the texts change places, and none is copied.
    void SetItemTextsNotified(std::vector<GridCellText>& cells, const EditReceivers& receivers);
    // One cell of those: true when it took `text`, which is then the text it
    // had.
    bool SetItemTextNotified(int row, int col, GridText& text, const EditReceivers& receivers);
    // cellsChanged, when a command changed anything.
    void ReportChanges(const std::vector<GridCellText>& changes);

    // Commands (CGridCtrlCommands.cpp).
    void CreateActions();
    CCellID PasteTarget() const;

    CGridModel m_model;
    GridMouse m_mouse;

    QPointer<CInPlaceEdit> m_inPlaceEdit;

    QAction* m_copyAction = nullptr;
    QAction* m_cutAction = nullptr;
    QAction* m_pasteAction = nullptr;
};
