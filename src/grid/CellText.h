#pragma once

#include <QString>
#include <QStringView>

// A cell is drawn and edited on one line: a line break in its text shows, and
// is typed (Alt+Enter), as this mark.
inline constexpr char16_t LINE_BREAK_MARK = u'\u23CE';

// Whether the text holds a line break (LF or CR).
bool HasLineBreak(QStringView text);

// The text as a cell shows it: each line break (LF, CR LF or CR) as the mark.
QString ShownCellText(const QString& text);

// The text that an editor showing `shown` stands for: each mark a line feed.
QString CellTextFromShown(QString shown);
