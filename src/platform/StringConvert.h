#pragma once

#include <QString>

#include <string>

// The one place where the UI's QString meets the core's std::u16string. Both
// are UTF-16, so nothing is lost either way.
inline QString toQString(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

inline std::u16string toU16(const QString& text)
{
    return text.toStdU16String();
}
