#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Qt's strings as text in gtest's failure messages, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << (list.isEmpty() ? "{}" : "{\"" + list.join("\", \"").toStdString() + "\"}");
}
