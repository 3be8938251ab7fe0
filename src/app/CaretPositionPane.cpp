#include "CaretPositionPane.h"

#include "editor/CQuillmark2View.h"

#include <algorithm>

CaretPositionPane::CaretPositionPane(const CQuillmark2View& view, QWidget* parent)
    : QLabel(parent)
    , m_view(view)
{
    setAlignment(Qt::AlignCenter);
    // Of a fixed size, wide enough for long files and lines, so that the
    // panes beside it do not move while the caret does, and a new text
    // redraws the pane alone rather than laying out the whole status bar.
    const QString widest = QStringLiteral("Ln 99999, Col 9999");
    setFixedSize(WidthFor(widest), sizeHint().height());
    m_fitting = widest.size();
    connect(&view, &QPlainTextEdit::cursorPositionChanged, this, &CaretPositionPane::ShowCaretPosition);
    ShowCaretPosition();
}

void CaretPositionPane::ShowCaretPosition()
{
    const CQuillmark2View::CaretPosition caret = m_view.CaretLineAndColumn();
    const QString text = QStringLiteral("Ln %1, Col %2").arg(caret.line).arg(caret.column);
    if (text.size() > m_fitting) {
        setFixedWidth(std::max(width(), WidthFor(text)));
        m_fitting = text.size();
    }
    setText(text);
}

int CaretPositionPane::WidthFor(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) + 8;
}
