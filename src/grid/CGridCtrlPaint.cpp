#include "grid/CGridCtrl.h"
#include "grid/TextMeasure.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <qdrawutil.h>

namespace {

const QColor GRID_LINE_COLOUR(192, 192, 192);

Qt::Alignment AlignmentOf(std::uint32_t format)
{
    Qt::Alignment alignment = Qt::AlignLeft;
    if (format & TEXT_RIGHT)
        alignment = Qt::AlignRight;
    else if (format & TEXT_CENTER)
        alignment = Qt::AlignHCenter;
    if (format & TEXT_BOTTOM)
        return alignment | Qt::AlignBottom;
    return alignment | ((format & TEXT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop);
}

} // namespace

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    // Beyond the last row and column the grid shows the face of the dialog.
    painter.fillRect(dirty, palette().color(QPalette::Button));

    const std::vector<Span> rows = VisibleRows();
    const std::vector<Span> cols = VisibleColumns();
    const int fixedRows = m_model.GetFixedRowCount();
    const int fixedCols = m_model.GetFixedColumnCount();
    const QRect area = DataArea();
    CTextMeasures measures;
    // Each part of the grid is clipped to where it shows, so that a row
    // scrolled half under the header row is cut at the header's edge.
    const auto drawPart = [&](bool inFixedRows, bool inFixedCols, const QRect& part) {
        painter.setClipRect(part & dirty);
        for (const Span& row : rows) {
            if ((row.index < fixedRows) != inFixedRows)
                continue;
            for (const Span& col : cols) {
                const QRect rect(col.start, row.start, col.size, row.size);
                if ((col.index < fixedCols) == inFixedCols && rect.intersects(dirty))
                    DrawCell(painter, measures, row.index, col.index, rect);
            }
        }
    };
    drawPart(false, false, area);
    drawPart(true, false, QRect(area.left(), 0, area.width(), area.top()));
    drawPart(false, true, QRect(0, area.top(), area.left(), area.height()));
    drawPart(true, true, QRect(0, 0, area.left(), area.top()));
    DrawFocusFrame(painter);

    if (m_mouseMode == MOUSE_SIZING_COL || m_mouseMode == MOUSE_SIZING_ROW) {
        painter.setClipping(false);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        const QRect client = viewport()->rect();
        painter.fillRect(m_mouseMode == MOUSE_SIZING_COL ? QRect(m_trackingPos, 0, 1, client.height())
                                                         : QRect(0, m_trackingPos, client.width(), 1),
            Qt::black);
    }
}

void CGridCtrl::DrawCell(QPainter& painter, CTextMeasures& measures, int row, int col, const QRect& rect)
{
    const bool selected = m_model.IsCellSelected(row, col);
    QColor textColour = m_model.GetCellTextColour(row, col);
    if (m_model.IsFixed(row, col)) {
        QStyleOptionHeader header;
        header.initFrom(this);
        header.rect = rect;
        header.state |= QStyle::State_Raised;
        header.orientation = row < m_model.GetFixedRowCount() ? Qt::Horizontal : Qt::Vertical;
        header.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_HeaderSection, &header, &painter, this);
        if (!textColour.isValid())
            textColour = palette().color(QPalette::ButtonText);
    } else {
        QColor back = selected ? palette().color(QPalette::Highlight) : m_model.GetCellBackColour(row, col);
        painter.fillRect(rect, back.isValid() ? back : palette().color(QPalette::Base));
        painter.setPen(GRID_LINE_COLOUR);
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        if (selected)
            textColour = palette().color(QPalette::HighlightedText);
        else if (!textColour.isValid())
            textColour = palette().color(QPalette::Text);
    }

    const QString& text = m_model.GetCell(row, col)->GetText();
    const int margin = m_model.GetCellMargin(row, col);
    // The text keeps its margin on both sides; the right one covers the grid
    // line, so a column auto-sized to its text shows it whole.
    const QRect textRect = rect.adjusted(margin, 0, -margin, -1);
    if (text.isEmpty() || textRect.width() <= 0)
        return;
    const CTextMeasure& measure = measures.For(m_model.GetCellFont(row, col));
    const std::uint32_t format = m_model.GetCellFormat(row, col);
    const int bound = measure.WidthBound(text);
    const bool fits = bound >= 0 && bound <= textRect.width();
    painter.setFont(measure.GetFont());
    painter.setPen(textColour);
    painter.drawText(textRect, AlignmentOf(format) | Qt::TextSingleLine,
        fits || !(format & TEXT_END_ELLIPSIS) ? text : measure.Elided(text, textRect.width()));
}

void CGridCtrl::DrawFocusFrame(QPainter& painter)
{
    const int frame = FOCUS_FRAME_WIDTH;
    const CCellID focus = m_model.GetFocusCell();
    CCellID framed = focus;
    QRect rect;
    if (m_inPlaceEdit) {
        framed = { m_inPlaceEdit->GetRow(), m_inPlaceEdit->GetColumn() };
        rect = m_inPlaceEdit->geometry().adjusted(-frame, -frame, frame, frame);
    } else if (GetCellRect(focus.row, focus.col, rect) && !rect.isEmpty()) {
        rect.adjust(0, 0, -1, -1); // inside the grid lines
    } else {
        return;
    }
    painter.setClipRect(m_model.IsFixed(framed.row, framed.col) ? viewport()->rect() : DataArea());
    qDrawPlainRect(&painter, rect, palette().color(QPalette::Text), frame);
}
