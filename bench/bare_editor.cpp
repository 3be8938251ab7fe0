// The floor of the keystroke benchmark: a bare QPlainTextEdit showing a file,
// without colours, menus or status bar, in the editor's fixed-pitch font and
// size, lines not wrapped, as the editor shows them.
// Usage: bare-editor FILE

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QPlainTextEdit edit;
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(12);
    }
    edit.setFont(font);
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.setPlainText(QString::fromUtf8(file.readAll()));
    edit.resize(900, 700);
    edit.show();
    return app.exec();
}
