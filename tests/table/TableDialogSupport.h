#pragma once

#include "platform/StringConvert.h"
#include "table/CGridDialog.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>

// A grid's data cells: the texts of a row joined by ",", the rows by "/".
inline std::string GridCells(const CGridCtrl& grid)
{
    std::string text;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        for (int col = 1; col < grid.GetColumnCount(); ++col) {
            if (col > 1)
                text += ",";
            text += grid.GetItemText(row, col).toStdString();
        }
        if (row + 1 < grid.GetRowCount())
            text += "/";
    }
    return text;
}

inline const LineList NINE = { u"| a | b | c |", u"| d | e | f |", u"| g | h | i |" };
inline const char* const NINE_CELLS = "a,b,c/d,e,f/g,h,i";

// Sends the key to whichever widget has the focus: the grid, its editor, a button.
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

inline void Type(const QString& text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

inline QPushButton* Button(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromUtf8(name));
}

// Whatever the dialog's size, its buttons keep theirs with their bottom
// edges 5 pixels above the client area's and their right edges the given
// distance from its right edge, and `main` fills the rest down to 5 pixels
// above OK.
inline void ExpectLaidOut(
    QWidget& dialog, const QWidget& main, std::initializer_list<std::pair<const char*, int>> buttons)
{
    const QSize buttonSize = Button(dialog, "okButton")->size();
    for (const QSize size : { QSize(700, 420), QSize(420, 260) }) {
        dialog.resize(size);
        for (const auto& [name, right] : buttons) {
            const QPushButton* button = Button(dialog, name);
            EXPECT_EQ(button->geometry(),
                QRect(QPoint(
                          size.width() - right - buttonSize.width(), size.height() - 5 - buttonSize.height()),
                    buttonSize))
                << name << " at " << size.width();
        }
        EXPECT_EQ(main.geometry(), QRect(0, 0, size.width(), Button(dialog, "okButton")->y() - 5))
            << size.width();
    }
}

// The table dialog shown and active, loaded with `lines`, in a font every
// machine of the project has.
struct ShownGridDialog {
    explicit ShownGridDialog(const LineList& lines)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        dialog.m_gridFont = font;
        dialog.SetTableLines(lines);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
        grid = dialog.findChild<CGridCtrl*>();
    }

    std::string Cells() const { return GridCells(*grid); }

    // Right-clicks a cell and answers with the menu that opened, if any.
    QMenu* RightClick(int row, int col) const
    {
        QRect cell;
        grid->GetCellRect(row, col, cell);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static QAction* Item(const QMenu* menu, const QString& caption)
    {
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    // Right-clicks a cell and clicks the item of that caption, as a user
    // would; answers whether it was there and enabled. A menu left open is
    // closed.
    bool Choose(int row, int col, const char* caption) const
    {
        QMenu* menu = RightClick(row, col);
        QAction* action = menu != nullptr ? Item(menu, QString::fromUtf8(caption)) : nullptr;
        if (action == nullptr)
            return false;
        const bool enabled = action->isEnabled();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu->isVisible())
            menu->close();
        return enabled;
    }

    // Undoes from the corner's menu while it can; answers how many steps that took.
    int UndoAll() const
    {
        int steps = 0;
        while (Choose(0, 0, "Undo"))
            ++steps;
        return steps;
    }

    CGridDialog dialog;
    CGridCtrl* grid = nullptr;
};
