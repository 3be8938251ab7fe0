#pragma once

#include "grid/WideCharacters.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

#include <vector>

class QPainter;

// Sizes of single-line cell texts in one font.
//
// Laying a text out to measure it exactly costs microseconds, too much for the
// 200,000 cells of a pasted spreadsheet. Most table texts are made of
// characters that need no shaping, and for those the sum of the characters'
// advances, plus a little for kerning, bounds the exact width from above (in a
// fixed-pitch font, which does not kern, it is the exact width); the
// auto-size operations and the painter use the bound to skip most exact
// measurements. Wide characters are measured and drawn two columns wide
// (CWideCharacters).
class CTextMeasure {
public:
    explicit CTextMeasure(const QFont& font);

    const QFont& GetFont() const { return m_font; }

    // The exact size of the text on one line.
    QSize Size(const QString& text) const;

    // Draws the text on one line, left aligned and vertically centred in
    // `rect`, in the painter's pen.
    void Draw(QPainter& painter, const QRect& rect, const QString& text) const;

    // At least the text's exact width; -1 when the text holds a character
    // that needs shaping, a fallback font, a tab stop or no width of its own.
    int WidthBound(QStringView text) const;

    // The text cut short with an ellipsis at its end to fit `width`.
    QString Elided(const QString& text, int width) const;

    // The height of a line of text in this font.
    int LineHeight() const { return m_lineHeight; }

    // Whether the font is of fixed pitch, where WidthBound is the exact width.
    bool IsFixedPitch() const { return m_fixedPitch; }
    // Whether every printable ASCII character has one advance, as in most
    // fixed-pitch fonts: the longest of texts of them is then the widest.
    bool HasUniformAsciiAdvance() const { return AsciiAdvance64() >= 0; }
    // Whether every character of the text is printable ASCII (U+0020 to U+007E).
    static bool IsPrintableAscii(QStringView text);

private:
    static constexpr char16_t FIRST_SHAPED = 0x0590;
    static constexpr float NOT_MEASURED = -2.0f;
    static constexpr float NOT_COVERED = -1.0f;

    // The advance of a character, or -1 when it is not one the bound covers;
    // inline, as WidthBound asks it of every character.
    float Advance(char16_t c) const
    {
        if (c >= FIRST_SHAPED)
            return NOT_COVERED;
        const float advance = m_advances[c];
        return advance != NOT_MEASURED ? advance : MeasureAdvance(c);
    }
    float MeasureAdvance(char16_t c) const;
    // The one advance, in 64ths of a pixel, of every printable ASCII
    // character in a fixed-pitch font whose ASCII characters all have it;
    // -1 otherwise.
    int AsciiAdvance64() const;

    QFont m_font;
    CWideCharacters m_wide;
    bool m_fixedPitch;
    QFontMetrics m_metrics;
    QFontMetricsF m_metricsF;
    int m_lineHeight;
    // Advances of the characters below U+0590 (Latin, Greek, Cyrillic,
    // Armenian), measured when first needed.
    mutable std::vector<float> m_advances;
    mutable int m_asciiAdvance64;
};

// The width of the widest of many texts, measuring as few of them exactly as
// it can: a text whose bound cannot beat the widest exact width found so far
// is never laid out. Texts whose bounds tie (numbers of one length, say) could
// all need measuring; after a few dozen the bound of the widest left stands in
// for them, so the answer is exact or, rarely, a few pixels more, never less.
class CWidestText {
public:
    // Counts one text, measured in `measure`, with `extra` pixels beside it;
    // its characters must live until Width() is asked. Returns the text's
    // height.
    int Add(const CTextMeasure& measure, QStringView text, int extra)
    {
        return Add(measure, text, measure.WidthBound(text), extra);
    }
    // The same for a text whose WidthBound is known.
    int Add(const CTextMeasure& measure, QStringView text, int bound, int extra);

    // The widest text's width plus its extra pixels; 0 when none. The texts
    // counted so far are then forgotten, ready for the next column.
    int Width();

private:
    struct Candidate {
        int bound;
        const CTextMeasure* measure;
        QStringView text;
        int extra;
    };
    std::vector<Candidate> m_candidates;
    int m_widest = 0;
};
