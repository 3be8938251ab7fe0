#include "grid/TextMeasure.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char16_t FIRST_PRINTABLE_ASCII = 0x20;
constexpr char16_t LAST_PRINTABLE_ASCII = 0x7E;
constexpr int MOST_EXACT_MEASUREMENTS = 32;
constexpr int NOT_KNOWN = -2;
// Sums of 64ths of a pixel below this many 64ths are exact in a float.
constexpr qsizetype EXACT_FLOAT_64THS = qsizetype(1) << 24;

} // namespace

CTextMeasure::CTextMeasure(const QFont& font)
    : m_font(font)
    , m_wide(font)
    , m_fixedPitch(QFontInfo(font).fixedPitch())
    , m_metrics(font)
    , m_metricsF(font)
    , m_lineHeight(m_metrics.height())
    , m_advances(FIRST_SHAPED, NOT_MEASURED)
    , m_asciiAdvance64(NOT_KNOWN)
{
}

namespace {

// The text laid out on one line with its wide characters' formats.
struct WideLine {
    WideLine(const QString& text, const QFont& font, const QList<QTextLayout::FormatRange>& formats)
        : layout(text, font)
    {
        layout.setFormats(formats);
        layout.beginLayout();
        line = layout.createLine();
        layout.endLayout();
    }
    QTextLayout layout;
    QTextLine line;
};

} // namespace

QSize CTextMeasure::Size(const QString& text) const
{
    const QList<QTextLayout::FormatRange> wide = m_wide.Ranges(text);
    if (wide.isEmpty())
        return m_metrics.size(Qt::TextSingleLine, text);
    const WideLine laidOut(text, m_font, wide);
    return { static_cast<int>(std::ceil(laidOut.line.naturalTextWidth())),
        static_cast<int>(std::ceil(laidOut.line.height())) };
}

void CTextMeasure::Draw(QPainter& painter, const QRect& rect, const QString& text) const
{
    const QList<QTextLayout::FormatRange> wide = m_wide.Ranges(text);
    painter.setFont(m_font);
    if (wide.isEmpty()) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return;
    }
    const WideLine laidOut(text, m_font, wide);
    const qreal top = rect.top() + (rect.height() - laidOut.line.height()) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    laidOut.layout.draw(&painter, QPointF(rect.left(), top));
    painter.restore();
}

QString CTextMeasure::Elided(const QString& text, int width) const
{
    if (m_wide.Ranges(text).isEmpty())
        return m_metrics.elidedText(text, Qt::ElideRight, width);
    if (Size(text).width() <= width)
        return text;
    // The longest start of the text that fits with the ellipsis after it.
    const QString ellipsis(QChar(0x2026));
    qsizetype fits = 0;
    qsizetype fails = text.size();
    while (fails - fits > 1) {
        const qsizetype middle = (fits + fails) / 2;
        (Size(text.left(middle) + ellipsis).width() <= width ? fits : fails) = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits;
    return text.left(fits) + ellipsis;
}

float CTextMeasure::MeasureAdvance(char16_t c) const
{
    // Control and format characters are tab stops or invisible, a soft
    // hyphen among them; marks combine with the character before them.
    const QChar ch(c);
    const bool covered = ch.isPrint() && !ch.isMark() && m_metrics.inFont(ch);
    return m_advances[c] = covered ? static_cast<float>(m_metricsF.horizontalAdvance(ch)) : NOT_COVERED;
}

int CTextMeasure::AsciiAdvance64() const
{
    if (m_asciiAdvance64 != NOT_KNOWN)
        return m_asciiAdvance64;
    const float advance = Advance(FIRST_PRINTABLE_ASCII);
    bool uniform = m_fixedPitch && advance >= 0 && std::floor(advance * 64.0f) == advance * 64.0f;
    for (char16_t c = FIRST_PRINTABLE_ASCII; c <= LAST_PRINTABLE_ASCII && uniform; ++c)
        uniform = Advance(c) == advance;
    return m_asciiAdvance64 = uniform ? static_cast<int>(advance * 64.0f) : -1;
}

bool CTextMeasure::IsPrintableAscii(QStringView text)
{
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    if (size < 4) {
        unsigned outside = 0;
        for (qsizetype i = 0; i < size; ++i)
            outside |= static_cast<char16_t>(units[i] - FIRST_PRINTABLE_ASCII)
                > LAST_PRINTABLE_ASCII - FIRST_PRINTABLE_ASCII;
        return outside == 0;
    }
#if defined(__SSE2__)
    // Eight units at a time, with no early way out; the last eight may overlap
    // the ones before them. As signed numbers, units from U+8000 on are below
    // the first printable character.
    if (size >= 8) {
        const __m128i first = _mm_set1_epi16(FIRST_PRINTABLE_ASCII);
        const __m128i last = _mm_set1_epi16(LAST_PRINTABLE_ASCII);
        const auto outside = [&](const char16_t* eight) {
            const __m128i word = _mm_loadu_si128(reinterpret_cast<const __m128i*>(eight));
            return _mm_or_si128(_mm_cmplt_epi16(word, first), _mm_cmpgt_epi16(word, last));
        };
        __m128i found = outside(units + size - 8);
        for (qsizetype i = 0; i + 8 < size; i += 8)
            found = _mm_or_si128(found, outside(units + i));
        return _mm_movemask_epi8(found) == 0;
    }
#endif
    // Four units to a word, with no early way out; the last word may overlap
    // the one before it. A unit is outside when its high bit is set or its
    // other bits are below the first printable character or above the last:
    // adding to those bits alone carries into the high bit and never beyond.
    constexpr std::uint64_t LANES = 0x0001000100010001;
    constexpr std::uint64_t HIGH_BITS = LANES * 0x8000;
    const auto outside = [](const char16_t* four) {
        std::uint64_t word = 0;
        std::memcpy(&word, four, sizeof word);
        const std::uint64_t low = word & ~HIGH_BITS;
        return word | ~(low + LANES * (0x8000 - FIRST_PRINTABLE_ASCII))
            | (low + LANES * (0x8000 - LAST_PRINTABLE_ASCII - 1));
    };
    std::uint64_t found = outside(units + size - 4);
    for (qsizetype i = 0; i + 4 < size; i += 4)
        found |= outside(units + i);
    return (found & HIGH_BITS) == 0;
}

int CTextMeasure::WidthBound(QStringView text) const
{
    // Most table texts: the product is the sum the loop below would find.
    if (const int advance64 = AsciiAdvance64();
        advance64 >= 0 && text.size() * advance64 < EXACT_FLOAT_64THS && IsPrintableAscii(text))
        return static_cast<int>((text.size() * advance64 + 63) / 64);
    float width = 0;
    for (const QChar ch : text) {
        const float advance = Advance(ch.unicode());
        if (advance < 0)
            return -1;
        width += advance;
    }
    if (m_fixedPitch)
        return static_cast<int>(std::ceil(width));
    // Kerning pairs may widen a text a little, and the exact width is
    // rounded; a pixel and a few hundredths of an em per character cover both.
    const float slack = 2.0f + static_cast<float>(text.size()) * static_cast<float>(m_lineHeight) / 64.0f;
    return static_cast<int>(std::ceil(width + slack));
}

int CWidestText::Add(const CTextMeasure& measure, QStringView text, int bound, int extra)
{
    if (bound < 0) {
        const QSize size = measure.Size(text.toString());
        m_widest = std::max(m_widest, size.width() + extra);
        return size.height();
    }
    // In a fixed-pitch font the bound is the width itself.
    if (measure.IsFixedPitch())
        m_widest = std::max(m_widest, bound + extra);
    else if (bound + extra > m_widest)
        m_candidates.push_back({ bound + extra, &measure, text, extra });
    return measure.LineHeight();
}

int CWidestText::Width()
{
    std::sort(m_candidates.begin(), m_candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.bound > b.bound; });
    int measured = 0;
    for (const Candidate& candidate : m_candidates) {
        if (candidate.bound <= m_widest)
            break;
        if (++measured > MOST_EXACT_MEASUREMENTS) {
            m_widest = candidate.bound; // bounds every text left
            break;
        }
        m_widest = std::max(
            m_widest, candidate.measure->Size(candidate.text.toString()).width() + candidate.extra);
    }
    m_candidates.clear();
    return std::exchange(m_widest, 0);
}
