#include "grid/CGridCtrl.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// The row (column) under a position along the client area: the fixed ones
// stand still from 0 on, the others start after them moved back by `scroll`.
template <typename SizeOf> int IndexAt(int pos, int count, int fixedCount, int scroll, SizeOf sizeOf)
{
    if (pos < 0)
        return -1;
    int start = 0;
    for (int i = 0; i < fixedCount; ++i) {
        if (pos < start + sizeOf(i))
            return i;
        start += sizeOf(i);
    }
    start -= scroll;
    for (int i = fixedCount; i < count; ++i) {
        if (pos < start + sizeOf(i))
            return sizeOf(i) > 0 ? i : -1;
        start += sizeOf(i);
    }
    return -1;
}

} // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_model(rows, cols, fixedRows, fixedCols)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    // The painter fills every pixel; the pointer is followed to show the
    // resize cursor over the dividers.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    m_autoScrollTimer.setInterval(25);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, &CGridCtrl::OnAutoScroll);
    CreateActions();
    ResetScrollBars();
}

CGridCtrl::~CGridCtrl()
{
    // An editor closing with its parents would report to a grid half gone.
    if (m_inPlaceEdit) {
        disconnect(m_inPlaceEdit, nullptr, this, nullptr);
        delete m_inPlaceEdit;
    }
}

void CGridCtrl::Refresh()
{
    ResetScrollBars();
    viewport()->update();
}

bool CGridCtrl::SetRowCount(int rows)
{
    EndEditing();
    const bool done = m_model.SetRowCount(rows);
    Refresh();
    return done;
}

bool CGridCtrl::SetColumnCount(int cols)
{
    EndEditing();
    const bool done = m_model.SetColumnCount(cols);
    Refresh();
    return done;
}

bool CGridCtrl::SetFixedRowCount(int fixedRows)
{
    EndEditing();
    const bool done = m_model.SetFixedRowCount(fixedRows);
    Refresh();
    return done;
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols)
{
    EndEditing();
    const bool done = m_model.SetFixedColumnCount(fixedCols);
    Refresh();
    return done;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    const bool done = m_model.SetItemText(row, col, text);
    viewport()->update();
    return done;
}

bool CGridCtrl::SetItemState(int row, int col, std::uint32_t state)
{
    const bool done = m_model.SetItemState(row, col, state);
    viewport()->update();
    return done;
}

int CGridCtrl::InsertRow(int row)
{
    EndEditing();
    const int inserted = m_model.InsertRow(row);
    Refresh();
    return inserted;
}

bool CGridCtrl::DeleteRow(int row)
{
    EndEditing();
    const bool done = m_model.DeleteRow(row);
    Refresh();
    return done;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    EndEditing();
    const bool done = m_model.SetRowHeight(row, height);
    Refresh();
    return done;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    EndEditing();
    const bool done = m_model.SetColumnWidth(col, width);
    Refresh();
    return done;
}

bool CGridCtrl::AutoSizeColumn(int col, int style)
{
    EndEditing();
    const bool done = m_model.AutoSizeColumn(col, style);
    Refresh();
    return done;
}

bool CGridCtrl::AutoSizeRow(int row)
{
    EndEditing();
    const bool done = m_model.AutoSizeRow(row);
    Refresh();
    return done;
}

void CGridCtrl::AutoSizeColumns()
{
    EndEditing();
    m_model.AutoSizeColumns();
    Refresh();
}

void CGridCtrl::AutoSize()
{
    EndEditing();
    m_model.AutoSize();
    Refresh();
}

void CGridCtrl::SetGridFont(const QFont& font)
{
    EndEditing();
    m_model.SetGridFont(font);
    Refresh();
}

void CGridCtrl::SetFocusCell(int row, int col)
{
    m_model.SetFocusCell({ row, col });
    viewport()->update();
}

void CGridCtrl::SetSelectedRange(const CCellRange& range)
{
    m_model.ForgetKeptSelection();
    m_model.SelectRange(range);
    viewport()->update();
}

int CGridCtrl::RowTop(int row) const
{
    const int top = m_model.GetRowTop(row);
    return row < m_model.GetFixedRowCount() ? top : top - verticalScrollBar()->value();
}

int CGridCtrl::ColumnLeft(int col) const
{
    const int left = m_model.GetColumnLeft(col);
    return col < m_model.GetFixedColumnCount() ? left : left - horizontalScrollBar()->value();
}

QRect CGridCtrl::DataArea() const
{
    const QPoint topLeft(m_model.GetFixedColumnWidth(), m_model.GetFixedRowHeight());
    return QRect(topLeft, viewport()->rect().bottomRight());
}

bool CGridCtrl::GetCellRect(int row, int col, QRect& rect) const
{
    if (!m_model.IsValid(row, col))
        return false;
    rect = QRect(ColumnLeft(col), RowTop(row), m_model.GetColumnWidth(col), m_model.GetRowHeight(row));
    return true;
}

int CGridCtrl::RowAt(int y) const
{
    return IndexAt(y, m_model.GetRowCount(), m_model.GetFixedRowCount(), verticalScrollBar()->value(),
        [this](int row) { return m_model.GetRowHeight(row); });
}

int CGridCtrl::ColumnAt(int x) const
{
    return IndexAt(x, m_model.GetColumnCount(), m_model.GetFixedColumnCount(), horizontalScrollBar()->value(),
        [this](int col) { return m_model.GetColumnWidth(col); });
}

CCellID CGridCtrl::GetCellFromPt(const QPoint& point) const
{
    const int row = RowAt(point.y());
    const int col = ColumnAt(point.x());
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
}

std::vector<CGridCtrl::Span> CGridCtrl::VisibleRows() const
{
    std::vector<Span> spans;
    const int end = viewport()->height();
    const int fixedRows = m_model.GetFixedRowCount();
    int top = 0;
    for (int row = 0; row < fixedRows && top < end; ++row) {
        if (m_model.GetRowHeight(row) > 0)
            spans.push_back({ row, top, m_model.GetRowHeight(row) });
        top += m_model.GetRowHeight(row);
    }
    const int fixedHeight = top;
    top -= verticalScrollBar()->value();
    for (int row = fixedRows; row < m_model.GetRowCount() && top < end; ++row) {
        const int height = m_model.GetRowHeight(row);
        if (height > 0 && top + height > fixedHeight)
            spans.push_back({ row, top, height });
        top += height;
    }
    return spans;
}

std::vector<CGridCtrl::Span> CGridCtrl::VisibleColumns() const
{
    std::vector<Span> spans;
    const int end = viewport()->width();
    const int fixedCols = m_model.GetFixedColumnCount();
    int left = 0;
    for (int col = 0; col < fixedCols && left < end; ++col) {
        if (m_model.GetColumnWidth(col) > 0)
            spans.push_back({ col, left, m_model.GetColumnWidth(col) });
        left += m_model.GetColumnWidth(col);
    }
    const int fixedWidth = left;
    left -= horizontalScrollBar()->value();
    for (int col = fixedCols; col < m_model.GetColumnCount() && left < end; ++col) {
        const int width = m_model.GetColumnWidth(col);
        if (width > 0 && left + width > fixedWidth)
            spans.push_back({ col, left, width });
        left += width;
    }
    return spans;
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    QRect rect;
    if (!GetCellRect(row, col, rect) || rect.isEmpty())
        return false;
    const QRect area = m_model.IsFixed(row, col) ? viewport()->rect() : DataArea();
    return rect.intersects(area);
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    if (!m_model.IsValid(row, col))
        return;
    const QRect area = DataArea();
    // Positions in the scrolled part, where the scroll bars' values count.
    if (row >= m_model.GetFixedRowCount()) {
        const int top = m_model.GetRowTop(row) - m_model.GetFixedRowHeight();
        const int bottom = top + m_model.GetRowHeight(row);
        QScrollBar* bar = verticalScrollBar();
        if (top < bar->value())
            bar->setValue(top);
        else if (bottom > bar->value() + area.height())
            bar->setValue(std::min(top, bottom - area.height()));
    }
    if (col >= m_model.GetFixedColumnCount()) {
        const int left = m_model.GetColumnLeft(col) - m_model.GetFixedColumnWidth();
        const int right = left + m_model.GetColumnWidth(col);
        QScrollBar* bar = horizontalScrollBar();
        if (left < bar->value())
            bar->setValue(left);
        else if (right > bar->value() + area.width())
            bar->setValue(std::min(left, right - area.width()));
    }
}

void CGridCtrl::ResetScrollBars()
{
    const QSize view = viewport()->size();
    const int viewWidth = std::max(0, view.width() - m_model.GetFixedColumnWidth());
    const int viewHeight = std::max(0, view.height() - m_model.GetFixedRowHeight());
    const int dataWidth = m_model.GetTotalWidth() - m_model.GetFixedColumnWidth();
    const int dataHeight = m_model.GetTotalHeight() - m_model.GetFixedRowHeight();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, dataWidth - viewWidth));
    horizontal->setPageStep(std::max(1, viewWidth));
    horizontal->setSingleStep(std::max(1, m_model.GetDefaultCellWidth() / 2));
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, dataHeight - viewHeight));
    vertical->setPageStep(std::max(1, viewHeight));
    vertical->setSingleStep(std::max(1, m_model.GetDefaultCellHeight()));
}

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
    EndEditing();
    QAbstractScrollArea::resizeEvent(event);
    ResetScrollBars();
}

void CGridCtrl::scrollContentsBy(int, int)
{
    // The editor stands over its cell and would not move with it.
    EndEditing();
    viewport()->update();
}

bool CGridCtrl::event(QEvent* event)
{
    const bool cellFocused = m_model.IsValid(m_model.GetFocusCell());
    if (event->type() == QEvent::KeyPress && cellFocused && m_handleTabKey) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        // Ctrl+Tab stays with the dialog, which moves between pages with it.
        if (tab && !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    // The cell commands' keys come here before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride && cellFocused
        && IsCommandKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}
