#include "grid/CGridDefaultCell.h"

#include <QFontDatabase>
#include <QFontMetrics>

CGridDefaultCell::CGridDefaultCell()
{
    SetFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

void CGridDefaultCell::SetFont(const QFont& font)
{
    m_font = font;
    // The text is measured with its terminating null, which the font draws as
    // its missing-character box: that box is the margin, and part of the width.
    const QFontMetrics metrics(font);
    const QChar terminator(u'\0');
    m_margin = metrics.horizontalAdvance(QString(terminator));
    const QSize extent = metrics.size(Qt::TextSingleLine, QStringLiteral(" XXXXXXXXXXXX") + terminator);
    m_width = extent.width();
    m_height = extent.height() * 3 / 2;
}
