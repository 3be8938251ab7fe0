#include "grid/CGridModel.h"
#include "grid/TextMeasure.h"

#include <QFontInfo>

#include <algorithm>

namespace {

// Short texts are measured as three wide letters, so that a column of one-
// or two-letter texts still gives room to type.
const QString& MeasuredText(const QString& text)
{
    static const QString www = QStringLiteral("WWW");
    return text.size() < 3 ? www : text;
}

} // namespace

void CGridModel::SetGridFont(const QFont& font)
{
    const int height = QFontInfo(font).pixelSize() * 5 / 2;
    for (CGridDefaultCell& defaultCell : m_defaultCells) {
        defaultCell.SetFont(font);
        defaultCell.SetHeight(height);
        defaultCell.SetWidth(height * 3 / 2);
    }
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
    m_autoSizeStyle = AUTOSIZE_BOTH;
    AutoSizeColumns();
}

QSize CGridModel::GetCellExtent(int row, int col) const
{
    if (!IsValid(row, col))
        return {};
    const int margins = 2 * GetCellMargin(row, col);
    const QSize text = CTextMeasure(GetCellFont(row, col)).Size(MeasuredText(GetItemText(row, col)));
    return { text.width() + margins, text.height() + margins };
}

std::pair<int, int> CGridModel::RowsOfStyle(int style) const
{
    if (style == AUTOSIZE_DEFAULT)
        style = m_autoSizeStyle;
    const int first = (style & AUTOSIZE_HEADER) != 0 ? 0 : m_fixedRows;
    const int end = (style & AUTOSIZE_DATA) != 0 ? m_rowCount : m_fixedRows;
    return { first, end };
}

bool CGridModel::AutoSizeColumn(int col, int style)
{
    if (col < 0 || col >= m_colCount)
        return false;
    const auto [first, end] = RowsOfStyle(style);
    CTextMeasures measures;
    CWidestText widest;
    bool measured = false;
    for (int row = first; row < end; ++row) {
        if (!IsRowVisible(row))
            continue;
        widest.Add(measures.For(GetCellFont(row, col)), MeasuredText(m_rows[row][col]->GetText()),
            2 * GetCellMargin(row, col));
        measured = true;
    }
    // A column with no row to measure keeps its width rather than vanish.
    if (measured)
        m_colWidths[col] = widest.Width();
    return true;
}

bool CGridModel::AutoSizeRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return false;
    int height = 0;
    for (int col = 0; col < m_colCount; ++col)
        if (IsColumnVisible(col))
            height = std::max(height, GetCellExtent(row, col).height());
    if (height > 0)
        m_rowHeights[row] = height;
    return true;
}

void CGridModel::AutoSizeColumns(int style)
{
    for (int col = 0; col < m_colCount; ++col)
        if (IsColumnVisible(col))
            AutoSizeColumn(col, style);
}

void CGridModel::AutoSize(int style)
{
    const auto [first, end] = RowsOfStyle(style);
    for (int& height : m_rowHeights)
        if (height > 0)
            height = 1;
    CTextMeasures measures;
    CWidestText widest;
    for (int col = 0; col < m_colCount; ++col) {
        if (!IsColumnVisible(col))
            continue;
        bool measured = false;
        for (int row = first; row < end; ++row) {
            if (!IsRowVisible(row))
                continue;
            const int margins = 2 * GetCellMargin(row, col);
            const int textHeight = widest.Add(
                measures.For(GetCellFont(row, col)), MeasuredText(m_rows[row][col]->GetText()), margins);
            m_rowHeights[row] = std::max(m_rowHeights[row], textHeight + margins);
            measured = true;
        }
        if (measured)
            m_colWidths[col] = widest.Width();
    }
}
