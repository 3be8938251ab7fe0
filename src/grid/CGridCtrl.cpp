#include "grid/CGridCtrl.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <tuple>
#include <utility>

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
    m_mouse.autoScroll.setInterval(25);
    connect(&m_mouse.autoScroll, &QTimer::timeout, this, &CGridCtrl::OnAutoScroll);
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

template <typename Change> auto CGridCtrl::Reshape(Change change)
{
    EndEditing();
    const auto result = change();
    Refresh();
    return result;
}

bool CGridCtrl::SetRowCount(int rows)
{
    return Reshape([&] { return m_model.SetRowCount(rows); });
}

bool CGridCtrl::SetColumnCount(int cols)
{
    return Reshape([&] { return m_model.SetColumnCount(cols); });
}

bool CGridCtrl::SetFixedRowCount(int fixedRows)
{
    return Reshape([&] { return m_model.SetFixedRowCount(fixedRows); });
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols)
{
    return Reshape([&] { return m_model.SetFixedColumnCount(fixedCols); });
}

bool CGridCtrl::SetItemText(int row, int col, GridText text)
{
    const bool done = m_model.SetItemText(row, col, std::move(text));
    viewport()->update();
    return done;
}

void CGridCtrl::SetItemTexts(int row, int col, TextMatrix&& texts)
{
    m_model.SetItemTexts(row, col, std::move(texts));
    viewport()->update();
}

void CGridCtrl::ExchangeItemTexts(std::vector<GridCellText>& cells)
{
    m_model.ExchangeItemTexts(cells);
    viewport()->update();
}

bool CGridCtrl::SetItemState(int row, int col, std::uint32_t state)
{
    const bool done = m_model.SetItemState(row, col, state);
    viewport()->update();
    return done;
}

int CGridCtrl::InsertRow(int row)
{
    return Reshape([&] { return m_model.InsertRow(row); });
}

bool CGridCtrl::DeleteRow(int row)
{
    return Reshape([&] { return m_model.DeleteRow(row); });
}

int CGridCtrl::InsertColumn(int col)
{
    return Reshape([&] { return m_model.InsertColumn(col); });
}

bool CGridCtrl::DeleteColumn(int col)
{
    return Reshape([&] { return m_model.DeleteColumn(col); });
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    return Reshape([&] { return m_model.SetRowHeight(row, height); });
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    return Reshape([&] { return m_model.SetColumnWidth(col, width); });
}

bool CGridCtrl::AutoSizeColumn(int col)
{
    return Reshape([&] { return m_model.AutoSizeColumn(col); });
}

bool CGridCtrl::AutoSizeRow(int row)
{
    return Reshape([&] { return m_model.AutoSizeRow(row); });
}

void CGridCtrl::AutoSizeColumns()
{
    Reshape([&] {
        m_model.AutoSizeColumns();
        return true;
    });
}

void CGridCtrl::AutoSize()
{
    Reshape([&] {
        m_model.AutoSize();
        return true;
    });
}

void CGridCtrl::WidenColumnsToFit(const CCellRange& cells)
{
    m_model.WidenColumnsToFit(cells);
    Refresh();
}

void CGridCtrl::SetGridFont(const QFont& font)
{
    Reshape([&] {
        m_model.SetGridFont(font);
        return true;
    });
}

void CGridCtrl::SetFocusCell(int row, int col)
{
    m_model.SetFocusCell({ row, col });
    viewport()->update();
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, SelectionKind kind)
{
    m_model.ForgetKeptSelection();
    m_model.SelectRange(range, kind);
    viewport()->update();
}

QScrollBar* CGridCtrl::ScrollBar(Axis axis) const
{
    return axis == Axis::Row ? verticalScrollBar() : horizontalScrollBar();
}

int CGridCtrl::StartOf(Axis axis, int i) const
{
    const GridAxis& along = m_model.GetAxis(axis);
    const int start = along.Start(i);
    return i < along.FixedCount() ? start : start - ScrollBar(axis)->value();
}

int CGridCtrl::IndexAt(Axis axis, int pos) const
{
    return m_model.GetAxis(axis).IndexAt(pos, ScrollBar(axis)->value());
}

std::vector<Span> CGridCtrl::VisibleSpans(Axis axis) const
{
    const int extent = axis == Axis::Row ? viewport()->height() : viewport()->width();
    return m_model.GetAxis(axis).VisibleSpans(ScrollBar(axis)->value(), extent);
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
    rect = QRect(StartOf(Axis::Column, col), StartOf(Axis::Row, row), m_model.GetColumnWidth(col),
        m_model.GetRowHeight(row));
    return true;
}

CCellID CGridCtrl::GetCellFromPt(const QPoint& point) const
{
    const int row = IndexAt(Axis::Row, point.y());
    const int col = IndexAt(Axis::Column, point.x());
    return row >= 0 && col >= 0 ? CCellID(row, col) : CCellID();
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
    for (const auto& [axis, i, view] :
        { std::tuple { Axis::Row, row, area.height() }, std::tuple { Axis::Column, col, area.width() } }) {
        if (i < m_model.GetAxis(axis).FixedCount())
            continue;
        QScrollBar* bar = ScrollBar(axis);
        bar->setValue(m_model.GetAxis(axis).ScrollToShow(i, bar->value(), view));
    }
}

void CGridCtrl::ResetScrollBars()
{
    const QSize view = viewport()->size();
    for (const auto& [axis, extent, step] : { std::tuple { Axis::Row, view.height(), GetDefaultCellHeight() },
             std::tuple { Axis::Column, view.width(), std::max(1, GetDefaultCellWidth() / 2) } }) {
        const GridAxis& along = m_model.GetAxis(axis);
        const int viewSize = std::max(0, extent - along.FixedSize());
        QScrollBar* bar = ScrollBar(axis);
        bar->setRange(0, std::max(0, along.Total() - along.FixedSize() - viewSize));
        bar->setPageStep(std::max(1, viewSize));
        bar->setSingleStep(std::max(1, step));
    }
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
    if (event->type() == QEvent::KeyPress && cellFocused) {
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
