#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the UI's QString meets the core's std::u16string. Both
// are UTF-16, so nothing is lost either way.
inline QString toQString(std::u16string_view text)
{
    // Copied unit by unit: QString::fromStdU16String would take a leading
    // U+FEFF for a byte-order mark and drop it (a file's mark would be lost
    // on the way to the view), and a leading U+FFFE for a reversed one and
    // swap the bytes of the whole text.
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text)
{
    return text.toStdU16String();
}

// The text's units in place, for as long as `text` lives unchanged.
inline std::u16string_view toU16View(const QString& text)
{
    return { reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()) };
}
