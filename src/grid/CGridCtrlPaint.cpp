#include "grid/CGridCtrl.h"
#include "grid/CellText.h"
#include "grid/TextMeasure.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <qdrawutil.h>

namespace {

const QColor GRID_LINE_COLOUR(192, 192, 192);

} // namespace

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    // Beyond the last row and column the grid shows the face of the dialog.
    painter.fillRect(dirty, palette().color(QPalette::Button));

    const std::vector<Span> rows = VisibleSpans(Axis::Row);
    const std::vector<Span> cols = VisibleSpans(Axis::Column);
    const int fixedRows = m_model.GetFixedRowCount();
    const int fixedCols = m_model.GetFixedColumnCount();
    const QRect area = DataArea();
    const CTextMeasure measure(m_model.GetGridFont());
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
                    DrawCell(painter, measure, row.index, col.index, rect);
            }
        }
    };
    drawPart(false, false, area);
    drawPart(true, false, QRect(area.left(), 0, area.width(), area.top()));
    drawPart(false, true, QRect(0, area.top(), area.left(), area.height()));
    drawPart(true, true, QRect(0, 0, area.left(), area.top()));
    DrawFocusFrame(painter);

    if (m_mouse.IsSizing()) {
        painter.setClipping(false);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        const QRect client = viewport()->rect();
        const int at = m_mouse.trackingPos;
        painter.fillRect(m_mouse.SizingAxis() == Axis::Column ? QRect(at, 0, 1, client.height())
                                                              : QRect(0, at, client.width(), 1),
            Qt::black);
    }
}

void CGridCtrl::DrawCell(QPainter& painter, const CTextMeasure& measure, int row, int col, const QRect& rect)
{
    const bool selected = m_model.IsCellSelected(row, col);
    QColor textColour;
    if (m_model.IsFixed(row, col)) {
        QStyleOptionHeader header;
        header.initFrom(this);
        header.rect = rect;
        header.state |= QStyle::State_Raised;
        header.orientation = row < m_model.GetFixedRowCount() ? Qt::Horizontal : Qt::Vertical;
        header.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_HeaderSection, &header, &painter, this);
        textColour = palette().color(QPalette::ButtonText);
    } else {
        painter.fillRect(rect, palette().color(selected ? QPalette::Highlight : QPalette::Base));
        painter.setPen(GRID_LINE_COLOUR);
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        textColour = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
    }

    const QString text = ShownCellText(m_model.GetCell(row, col)->GetText().ToString());
    const int margin = m_model.GetCellMargin();
    // The text keeps its margin on both sides; the right one covers the grid
    // line, so a column auto-sized to its text shows it whole.
    const QRect textRect = rect.adjusted(margin, 0, -margin, -1);
    if (text.isEmpty() || textRect.width() <= 0)
        return;
    const int bound = measure.WidthBound(text);
    const bool fits = bound >= 0 && bound <= textRect.width();
    painter.setPen(textColour);
    // Left aligned, vertically centred, one line, cut short with an ellipsis.
    measure.Draw(painter, textRect, fits ? text : measure.Elided(text, textRect.width()));
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
