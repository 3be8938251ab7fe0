#include "grid/CGridModel.h"
#include "grid/CellText.h"
#include "grid/TextMeasure.h"

#include <QFontInfo>

#include <algorithm>
#include <deque>
#include <utility>

namespace {

// The auto-size operations measure texts as the cells show them, a line
// break as its mark, and a text shorter than three characters as three wide
// letters, so that a column of one- or two-letter texts still gives room to
// type.
constexpr qsizetype SHORTEST_MEASURED = 3;

const QString& ShortTextStandIn()
{
    static const QString www = QStringLiteral("WWW");
    return www;
}

// The widest of cell texts so measured (CWidestText).
class CWidestCellText {
public:
    CWidestCellText(const CTextMeasure& measure, int extra)
        : m_measure(measure)
        , m_extra(extra)
        , m_uniformAscii(measure.HasUniformAsciiAdvance())
    {
    }

    // Counts a cell's text, which must live until Width() is asked; returns
    // its height.
    int Add(const GridText& cell)
    {
        const QStringView text = cell.View();
        // Of the texts of printable ASCII only the longest needs measuring.
        if (m_uniformAscii && (text.size() < SHORTEST_MEASURED || CTextMeasure::IsPrintableAscii(text))) {
            if (std::max(text.size(), SHORTEST_MEASURED) > m_longestAscii.size())
                m_longestAscii = text.size() < SHORTEST_MEASURED ? QStringView(ShortTextStandIn()) : text;
            return m_measure.LineHeight();
        }
        if (text.size() < SHORTEST_MEASURED)
            return m_widest.Add(m_measure, ShortTextStandIn(), m_extra);
        // A line break has no advance of its own: a text with a bound has none.
        const int bound = m_measure.WidthBound(text);
        if (bound < 0 && HasLineBreak(text))
            return m_widest.Add(m_measure, m_shown.emplace_back(ShownCellText(cell.ToString())), m_extra);
        return m_widest.Add(m_measure, text, bound, m_extra);
    }

    int Width()
    {
        if (!m_longestAscii.isEmpty())
            m_widest.Add(m_measure, std::exchange(m_longestAscii, {}), m_extra);
        return m_widest.Width();
    }

private:
    const CTextMeasure& m_measure;
    int m_extra;
    bool m_uniformAscii;
    QStringView m_longestAscii;
    CWidestText m_widest;
    std::deque<QString> m_shown;
};

} // namespace

void CGridModel::SetGridFont(const QFont& font)
{
    const int height = QFontInfo(font).pixelSize() * 5 / 2;
    m_defaultCell.SetFont(font);
    m_defaultCell.SetHeight(height);
    m_defaultCell.SetWidth(height * 3 / 2);
    m_rowAxis.SetAll(height);
    AutoSizeColumns();
}

QSize CGridModel::GetCellExtent(int row, int col) const
{
    if (!IsValid(row, col))
        return {};
    const int margins = 2 * GetCellMargin();
    const GridText& cell = m_cells[row][col].GetText();
    const QSize text
        = CTextMeasure(GetGridFont())
              .Size(cell.Size() < SHORTEST_MEASURED ? ShortTextStandIn() : ShownCellText(cell.ToString()));
    return { text.width() + margins, text.height() + margins };
}

bool CGridModel::AutoSizeColumn(int col)
{
    if (col < 0 || col >= GetColumnCount())
        return false;
    const CTextMeasure measure(GetGridFont());
    CWidestCellText widest(measure, 2 * GetCellMargin());
    bool measured = false;
    for (int row = 0; row < GetRowCount(); ++row) {
        if (!IsRowVisible(row))
            continue;
        widest.Add(m_cells[row][col].GetText());
        measured = true;
    }
    // A column with no row to measure keeps its width rather than vanish.
    if (measured)
        m_colAxis.SetSize(col, widest.Width());
    m_colAxis.SetSizedByHand(col, false);
    return true;
}

bool CGridModel::AutoSizeRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return false;
    int height = 0;
    for (int col = 0; col < GetColumnCount(); ++col)
        if (IsColumnVisible(col))
            height = std::max(height, GetCellExtent(row, col).height());
    if (height > 0)
        m_rowAxis.SetSize(row, height);
    return true;
}

void CGridModel::AutoSizeColumns()
{
    for (int col = 0; col < GetColumnCount(); ++col)
        if (IsColumnVisible(col))
            AutoSizeColumn(col);
}

void CGridModel::AutoSize()
{
    for (int row = 0; row < GetRowCount(); ++row)
        if (IsRowVisible(row))
            m_rowAxis.SetSize(row, 1);
    const CTextMeasure measure(GetGridFont());
    const int margins = 2 * GetCellMargin();
    CWidestCellText widest(measure, margins);
    for (int col = 0; col < GetColumnCount(); ++col) {
        if (!IsColumnVisible(col))
            continue;
        bool measured = false;
        for (int row = 0; row < GetRowCount(); ++row) {
            if (!IsRowVisible(row))
                continue;
            const int textHeight = widest.Add(m_cells[row][col].GetText());
            m_rowAxis.SetSize(row, std::max(GetRowHeight(row), textHeight + margins));
            measured = true;
        }
        if (measured)
            m_colAxis.SetSize(col, widest.Width());
        m_colAxis.SetSizedByHand(col, false);
    }
}

void CGridModel::WidenColumnsToFit(const CCellRange& cells)
{
    const CCellRange range = cells.Intersect({ 0, 0, GetRowCount() - 1, GetColumnCount() - 1 });
    if (!range.IsValid())
        return;
    const CTextMeasure measure(GetGridFont());
    CWidestCellText widest(measure, 2 * GetCellMargin());
    for (int col = range.minCol; col <= range.maxCol; ++col) {
        if (!IsColumnVisible(col) || m_colAxis.IsSizedByHand(col))
            continue;
        for (int row = range.minRow; row <= range.maxRow; ++row)
            if (IsRowVisible(row))
                widest.Add(m_cells[row][col].GetText());
        m_colAxis.SetSize(col, std::max(GetColumnWidth(col), widest.Width()));
    }
}
