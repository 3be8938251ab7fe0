#pragma once

#include "platform/StringConvert.h"
#include "table/CGridDialog.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <string>

inline LineList Lines(std::initializer_list<const char16_t*> lines)
{
    LineList list;
    for (const char16_t* line : lines)
        list.emplace_back(line);
    return list;
}

inline std::string Utf8(const std::u16string& text)
{
    return toQString(text).toStdString();
}

// Lines joined by line feeds, to compare in one piece.
inline std::string Joined(const LineList& lines)
{
    std::string text;
    for (const std::u16string& line : lines)
        text += Utf8(line) + "\n";
    return text;
}

inline std::string RangeText(const CCellRange& range)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(range.minRow)
        .arg(range.minCol)
        .arg(range.maxRow)
        .arg(range.maxCol)
        .toStdString();
}

// A grid's data cells: the texts of a row joined by ",", the rows by "/".
inline std::string GridCells(const CGridCtrl& grid)
{
    std::string text;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        if (row > 1)
            text += "/";
        for (int col = 1; col < grid.GetColumnCount(); ++col) {
            if (col > 1)
                text += ",";
            text += grid.GetItemText(row, col).toStdString();
        }
    }
    return text;
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

    QPoint Centre(int row, int col) const
    {
        QRect rect;
        grid->GetCellRect(row, col, rect);
        return rect.center();
    }

    // Right-clicks a cell and answers with the menu that opened, if any.
    QMenu* RightClick(int row, int col) const
    {
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, Centre(row, col));
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static QAction* Item(const QMenu* menu, const QString& caption)
    {
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    // Right-clicks a cell and clicks the item of that caption in the menu,
    // as a user would; answers whether the item was there and enabled. A
    // menu left open is closed.
    bool Choose(int row, int col, const QString& caption) const
    {
        QMenu* menu = RightClick(row, col);
        if (menu == nullptr)
            return false;
        QAction* action = Item(menu, caption);
        const bool enabled = action != nullptr && action->isEnabled();
        if (action != nullptr)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu->isVisible())
            menu->close();
        return enabled;
    }

    // A key to the widget with the focus: the grid, its editor or a button.
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    static void Type(const QString& text)
    {
        for (const QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }

    QPushButton* Button(const char* name) const
    {
        return dialog.findChild<QPushButton*>(QString::fromUtf8(name));
    }

    CGridDialog dialog;
    CGridCtrl* grid = nullptr;
};
