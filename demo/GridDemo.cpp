// The grid alone in a window: a 20 x 8 table of sample texts below a header
// row and beside a header column, in the editor's fixed-pitch font, with a
// block of cells selected. With --edit a cell inside the block is being
// edited. For looking at the grid; not installed.

#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A caret that does not blink shows in every screenshot.
    QApplication::setCursorFlashTime(0);
    const bool editing = app.arguments().contains(QStringLiteral("--edit"));

    CGridCtrl grid(21, 9, 1, 1);
    const QStringList names = { "Widget", "Gadget", "Sprocket", "Flange", "Bracket" };
    const QStringList cities = { "Oslo", "São Paulo", "Kraków", "Zürich", "Montréal, QC" };
    for (int col = 1; col < 9; ++col)
        grid.SetItemText(0, col, QString(QChar(u'A' + col - 1)));
    for (int row = 1; row < 21; ++row) {
        grid.SetItemText(row, 0, QString::number(row));
        grid.SetItemText(row, 1, names[row % names.size()] + QString::number(row));
        grid.SetItemText(row, 2, QString::number(row * 7 % 23));
        grid.SetItemText(row, 3, cities[row % cities.size()]);
        grid.SetItemText(row, 4,
            QStringLiteral("2024-%1-%2").arg(row % 12 + 1, 2, 10, QChar(u'0')).arg(row, 2, 10, QChar(u'0')));
        grid.SetItemText(row, 5, row % 3 == 0 ? QStringLiteral("yes") : QStringLiteral("no"));
        grid.SetItemText(row, 6, QStringLiteral("<placeholder %1>").arg(row));
        grid.SetItemText(row, 7, QString::number(row * 1.25, 'f', 2));
        grid.SetItemText(
            row, 8, row % 4 == 0 ? QString() : QStringLiteral("a longer note for row %1").arg(row));
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(16);
    grid.SetGridFont(font);
    grid.AutoSize();

    grid.setWindowTitle(QStringLiteral("Grid"));
    grid.resize(1000, 620);
    grid.show();
    // Without a window manager nothing else activates the window.
    grid.activateWindow();
    grid.SetSelectedRange({ 3, 2, 7, 4 });
    grid.SetFocusCell(5, 3);
    grid.setFocus();
    if (editing)
        grid.EditCell(5, 3, EditStartKey::Typed(Qt::Key_B, QStringLiteral("B")));
    return app.exec();
}
