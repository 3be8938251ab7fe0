#pragma once

#include <QString>

// `text` with every line break (CR LF, a lone CR, a lone LF) as one LF, the
// break a plain-text box makes a new line of; the rule is core/LineBreaks.h's.
inline QString WithLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
