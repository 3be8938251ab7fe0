#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextLayout>

// Wide characters drawn exactly two columns of a fixed-pitch font, as a
// table's layout counts them (DisplayWidth), so that an aligned table lines up
// on screen. The fallback fonts draw Chinese, Japanese and Korean characters
// about 1.6 columns of a Courier-like font wide (an em against six tenths of
// one), and no font scales for another; so each wide character is drawn in
// Noto Sans Mono CJK (or whatever the system falls back to for it), stretched
// across until it is two columns wide.
class CWideCharacters {
public:
    explicit CWideCharacters(const QFont& fixedPitchFont);

    // The runs of wide characters of `text`, each with the format that draws
    // them two columns wide; none for a text without them.
    QList<QTextLayout::FormatRange> Ranges(const QString& text) const;

    // The face the wide characters are drawn in.
    static QString WideFamily();

private:
    // How far a character must be stretched (percent) to be two columns wide.
    int StretchFor(const QString& character) const;

    QFont m_font;
    qreal m_column;
    mutable QHash<QString, int> m_stretches;
};
