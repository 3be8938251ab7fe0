#pragma once

#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QTest>

#include <ostream>
#include <string>

// Cells and ranges read as "(row, col)" in a failure's message.
inline void PrintTo(const CCellID& cell, std::ostream* os)
{
    *os << '(' << cell.row << ", " << cell.col << ')';
}

inline void PrintTo(const CCellRange& range, std::ostream* os)
{
    *os << '(' << range.minRow << ", " << range.minCol << ")-(" << range.maxRow << ", " << range.maxCol
        << ')';
}

// A key to the widget with the focus: the grid, its editor, a button.
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// Each character to whichever widget has the focus by then: the first one
// typed on a cell opens its editor, which takes the rest.
inline void Type(const QString& text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

// Shows the window and waits until it is the active one, as the user's click would make it.
inline void ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}

// A font every machine of the project has, at the size the grid tests measure in.
inline QFont GridTestFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

// The table editor's grid (10 x 5, one fixed row and column) shown and
// focused, its data cells holding "r<row>c<col>", in the tests' font; a
// focus cell given is the one cell selected.
struct ShownGrid {
    explicit ShownGrid(CCellID focus = {}, int rows = 10, int cols = 5)
        : grid(rows, cols, 1, 1)
    {
        grid.SetGridFont(GridTestFont());
        // Setting a text marks its cell modified; the tests look for what
        // marks it again.
        for (int row = 1; row < rows; ++row)
            for (int col = 1; col < cols; ++col) {
                grid.SetItemText(row, col, QStringLiteral("r%1c%2").arg(row).arg(col));
                grid.SetItemState(row, col, 0);
            }
        grid.resize(640, 400);
        ShowActive(grid);
        grid.setFocus();
        if (focus.IsValid())
            FocusOn(focus.row, focus.col);
    }

    QRect Rect(int row, int col) const
    {
        QRect rect;
        grid.GetCellRect(row, col, rect);
        return rect;
    }

    QPoint Centre(int row, int col) const { return Rect(row, col).center(); }

    void Click(int row, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, Centre(row, col));
    }

    void Drag(const QPoint& from, const QPoint& to)
    {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(grid.viewport(), to);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    }

    void FocusOn(int row, int col)
    {
        grid.SetFocusCell(row, col);
        grid.SetSelectedRange({ row, col, row, col });
    }

    // Focuses the range's top-left cell, selects the range, and presses the key.
    void Press(const CCellRange& range, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        FocusOn(range.minRow, range.minCol);
        grid.SetSelectedRange(range);
        Key(key, modifiers);
    }

    // The data cells of rows `first`..`last` as lines of " | "-joined texts.
    std::string Rows(int first, int last) const
    {
        std::string text;
        for (int row = first; row <= last; ++row) {
            for (int col = 1; col < grid.GetColumnCount(); ++col)
                text += (col > 1 ? " | " : "") + grid.GetItemText(row, col).toStdString();
            text += "\n";
        }
        return text;
    }

    CInPlaceEdit* Editor() const { return grid.GetInPlaceEdit(); }

    // The cell the open editor edits; none without an editor.
    CCellID EditorCell() const
    {
        return Editor() ? CCellID(Editor()->GetRow(), Editor()->GetColumn()) : CCellID();
    }

    CGridCtrl grid;
};
