// The two dialogs of the table room alone, to look at; not installed.
//
//   table_dialogs_demo [--menu corner|row|column|cell]   the table dialog with
//                                                         an Examples table, a menu open
//   table_dialogs_demo --string                          the doc-string dialog

#include "table/CGridDialog.h"
#include "table/CStringDialog.h"
#include "table/GridFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

const LineList EXAMPLES = {
    u"| Customer       | City          | Quantity | Count | New Quantity |",
    u"| Smith, John    | Oslo          | 12       | 3     | 9            |",
    u"| Åsa Lindqvist  | Zürich        | 5        | 5     | 0            |",
    u"| Ólafur Þórsson | Reykjavík     | 100      | 40    | 60           |",
    u"| Dupont \\| fils | Montréal, QC  | 7        | 1     | 6            |",
    u"| O'Brien        | São Paulo     | 30       |       | 30           |",
};

QFont EditorLikeFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

int RunTableDialog(const QString& menu)
{
    CGridDialog dialog;
    dialog.m_gridFont = MakeGridFont(EditorLikeFont(), 12, dialog.logicalDpiY());
    dialog.SetTableLines(EXAMPLES);
    QObject::connect(&dialog, &CGridDialog::helpRequested, [] { std::puts("help requested"); });
    // Without a window manager nothing else activates the window.
    QTimer::singleShot(0, &dialog, [&dialog, menu] {
        dialog.activateWindow();
        auto* grid = dialog.findChild<CGridCtrl*>();
        const int row = menu == u"row" ? 3 : menu == u"cell" ? 2 : 0;
        const int col = menu == u"column" ? 2 : menu == u"cell" ? 2 : 0;
        QRect cell;
        if (!menu.isEmpty() && grid->GetCellRect(row, col, cell))
            QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
    });
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        for (const std::u16string& line : dialog.GetTableLines())
            std::puts(QString::fromStdU16String(line).toUtf8().constData());
    return 0;
}

int RunStringDialog()
{
    CStringDialog dialog;
    QFont font = EditorLikeFont();
    font.setPointSize(12);
    dialog.m_charFormat.setFont(font);
    dialog.m_charFormat.setForeground(QColor(0, 128, 128));
    dialog.m_text = QStringLiteral("{\r\n  \"customer\": \"Smith, John\",\r\n  \"city\": \"Zürich\",\r\n\r\n"
                                   "  \"note\": \"an empty line above stays\"\r\n}\r\n");
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
    if (dialog.exec() == QDialog::Accepted)
        std::puts(dialog.m_text.toUtf8().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A caret that does not blink shows in every screenshot.
    QApplication::setCursorFlashTime(0);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--string")))
        return RunStringDialog();
    const int menu = args.indexOf(QStringLiteral("--menu"));
    return RunTableDialog(menu > 0 && menu + 1 < args.size() ? args[menu + 1] : QString());
}
