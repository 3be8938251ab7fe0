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

LinePaint PaintFor(const LineFormats& formats, LineType type)
{
    switch (type) {
    case FEATURE_LINE:
    case SCENARIO_LINE:
    case BACKGROUND_LINE:
    case SCENARIO_OUTLINE_LINE:
        return { &formats.headingFormat, true };
    case STEP_LINE:
    case EXAMPLES_LINE:
        return { &formats.stepFormat, true };
    case TAG_LINE:
        return { &formats.tagFormat, false };
    case TABLE_LINE:
        return { &formats.tableFormat, false };
    case DOC_STRING_DELIMITER_LINE:
    case DOC_STRING_LINE:
        return { &formats.docStringFormat, false };
    case COMMENT_LINE:
        return { &formats.commentFormat, false };
    case TEXT_LINE:
    case INCLUDE_LINE:
    case NOT_ANALYSED:
        break;
    }
    return { nullptr, false };
}
