#include "grid/WideCharacters.h"

#include "core/table/DisplayWidth.h"
#include "platform/StringConvert.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTextCharFormat>

#include <algorithm>

namespace {

// No character below the Hangul jamo is wide.
constexpr char16_t FIRST_WIDE = 0x1100;

// Characters of one length stretched alike share a run.
struct WideRun {
    qsizetype start = 0;
    qsizetype length = 0;
    int stretch = 0;
};

} // namespace

CWideCharacters::CWideCharacters(const QFont& fixedPitchFont)
    : m_font(fixedPitchFont)
    , m_column(QFontMetricsF(fixedPitchFont).horizontalAdvance(u'0'))
{
}

QString CWideCharacters::WideFamily()
{
    // The regional forms of the characters the user reads.
    const QLocale locale = QLocale::system();
    QString region = QStringLiteral("JP");
    if (locale.language() == QLocale::Korean)
        region = QStringLiteral("KR");
    else if (locale.language() == QLocale::Chinese)
        region = locale.script() == QLocale::TraditionalChineseScript
            ? (locale.territory() == QLocale::HongKong ? QStringLiteral("HK") : QStringLiteral("TC"))
            : QStringLiteral("SC");
    return QStringLiteral("Noto Sans Mono CJK ") + region;
}

int CWideCharacters::StretchFor(const QString& character) const
{
    const auto found = m_stretches.constFind(character);
    if (found != m_stretches.constEnd())
        return *found;
    QFont wide = m_font;
    wide.setFamilies({ WideFamily() });
    const qreal advance = QFontMetricsF(wide).horizontalAdvance(character);
    const int stretch = advance > 0 ? std::clamp(qRound(200 * m_column / advance), 1, 4000) : 0;
    m_stretches.insert(character, stretch);
    return stretch;
}

QList<QTextLayout::FormatRange> CWideCharacters::Ranges(const QString& text) const
{
    QList<QTextLayout::FormatRange> ranges;
    WideRun run;
    const auto flush = [&] {
        if (run.length == 0)
            return;
        QTextCharFormat format;
        format.setFontFamilies(QStringList { WideFamily() });
        format.setFontStretch(run.stretch);
        ranges.append({ static_cast<int>(run.start), static_cast<int>(run.length), format });
        run = {};
    };
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        int stretch = 0;
        if (text[at].unicode() >= FIRST_WIDE) {
            const QString character = text.mid(at, length);
            if (DisplayWidth(toU16(character)) == 2)
                stretch = StretchFor(character);
        }
        if (stretch != run.stretch || stretch == 0)
            flush();
        if (stretch != 0) {
            if (run.length == 0)
                run = { at, 0, stretch };
            run.length += length;
        }
        at += length;
    }
    flush();
    return ranges;
}
