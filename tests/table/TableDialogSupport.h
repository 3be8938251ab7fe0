#pragma once

#include "grid/GridTestSupport.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"
#include "table/CGridDialog.h"
#include "table/CStringDialog.h"
#include "table/MyEditCtrl.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

// A table dialog's data cells: the texts of a row joined by ",", the rows by "/".
inline std::string GridCells(const CGridDialog& dialog)
{
    QStringList rows;
    for (const CellRow& row : dialog.GridToCellMatrix()) {
        QStringList cells;
        for (const std::u16string& cell : row)
            cells << toQString(cell);
        rows << cells.join(u',');
    }
    return rows.join(u'/').toStdString();
}

inline const LineList NINE = { u"| a | b | c |", u"| d | e | f |", u"| g | h | i |" };
inline const char* const NINE_CELLS = "a,b,c/d,e,f/g,h,i";

inline QPushButton* Button(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromUtf8(name));
}

// The table dialog shown and active, loaded with `lines`, in the grid tests' font.
struct ShownGridDialog {
    explicit ShownGridDialog(const LineList& lines)
    {
        dialog.m_gridFont = GridTestFont();
        dialog.SetTableLines(lines);
        ShowActive(dialog);
        grid = dialog.findChild<CGridCtrl*>();
    }

    std::string Cells() const { return GridCells(dialog); }

    // Right-clicks a cell and answers with the menu that opened, if any.
    QMenu* RightClick(int row, int col) const
    {
        QRect cell;
        grid->GetCellRect(row, col, cell);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Right-clicks a cell and, if the menu has an item of that caption and
    // `click`, clicks it as a user would; answers whether the item was there
    // and enabled. A menu left open is closed.
    bool Choose(int row, int col, const char* caption, bool click = true) const
    {
        QMenu* menu = RightClick(row, col);
        QAction* action = nullptr;
        for (QAction* item : menu != nullptr ? menu->actions() : QList<QAction*>())
            if (item->text() == QString::fromUtf8(caption))
                action = item;
        const bool enabled = action != nullptr && action->isEnabled();
        if (action != nullptr && click)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu != nullptr && menu->isVisible())
            menu->close();
        return enabled;
    }

    // Undoes (redoes) from the corner's menu while it can; answers how many
    // steps that took.
    int UndoAll() const { return ChooseWhileEnabled("Undo"); }
    int RedoAll() const { return ChooseWhileEnabled("Redo"); }
    int ChooseWhileEnabled(const char* caption) const
    {
        int steps = 0;
        while (Choose(0, 0, caption))
            ++steps;
        return steps;
    }

    CGridDialog dialog;
    CGridCtrl* grid = nullptr;
};

// The doc-string dialog shown and active, holding `text`, in the editor's
// doc-string colour and a font every machine of the project has.
struct ShownStringDialog {
    explicit ShownStringDialog(const QString& text)
    {
        dialog.m_charFormat.setForeground(QColor(0, 128, 128));
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(15);
        dialog.m_charFormat.setFont(font);
        dialog.m_text = text;
        ShowActive(dialog);
        box = dialog.findChild<MyEditCtrl*>();
    }

    std::string Shown() const { return box->toPlainText().toStdString(); }

    CStringDialog dialog;
    MyEditCtrl* box = nullptr;
};
