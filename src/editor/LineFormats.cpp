#include "LineFormats.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>

QFont EditorFont(int points)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Without Courier New the font matcher may hand back a proportional face;
    // the system's own fixed-pitch font keeps the columns of tables aligned.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (!QFontInfo(font).fixedPitch())
            font = QFont(QStringLiteral("Liberation Mono"));
    }
    font.setPointSize(points);
    return font;
}

namespace {

QTextCharFormat Derive(const QTextCharFormat& base, int red, int green, int blue, bool italic = false)
{
    QTextCharFormat format = base;
    format.setForeground(QColor(red, green, blue));
    format.setFontItalic(italic);
    return format;
}

} // namespace

LineFormats MakeLineFormats()
{
    LineFormats formats;
    formats.defaultFormat.setForeground(QColor(0, 0, 0));
    formats.defaultFormat.setFontItalic(false);
    const QTextCharFormat& base = formats.defaultFormat;
    formats.headingFormat = Derive(base, 128, 0, 0);
    formats.stepFormat = Derive(base, 192, 0, 0);
    formats.tagFormat = Derive(base, 128, 128, 0);
    formats.tableFormat = Derive(base, 64, 64, 64);
    formats.docStringFormat = Derive(base, 0, 128, 128);
    formats.commentFormat = Derive(base, 128, 0, 128, true);
    return formats;
}

const QTextCharFormat& FormatOf(const LineFormats& formats, LineColour colour)
{
    switch (colour) {
    case LineColour::Heading:
        return formats.headingFormat;
    case LineColour::Step:
        return formats.stepFormat;
    case LineColour::Tag:
        return formats.tagFormat;
    case LineColour::Table:
        return formats.tableFormat;
    case LineColour::DocString:
        return formats.docStringFormat;
    case LineColour::Comment:
        return formats.commentFormat;
    case LineColour::Default:
        break;
    }
    return formats.defaultFormat;
}
