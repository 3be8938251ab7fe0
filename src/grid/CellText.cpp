#include "grid/CellText.h"

#include "platform/LineFeeds.h"

bool HasLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

QString ShownCellText(const QString& text)
{
    if (!HasLineBreak(text))
        return text;
    QString shown = WithLineFeeds(text);
    shown.replace(u'\n', QChar(LINE_BREAK_MARK));
    return shown;
}

QString CellTextFromShown(QString shown)
{
    return shown.replace(QChar(LINE_BREAK_MARK), u'\n');
}
