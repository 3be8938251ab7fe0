#include "CaretPositionPane.h"

#include "editor/CQuillmark2View.h"

CaretPositionPane::CaretPositionPane(const CQuillmark2View& view, QWidget* parent)
    : QLabel(parent)
    , m_view(view)
{
    setAlignment(Qt::AlignCenter);
    // Wide enough for long files and lines, so that the panes beside it do
    // not move while the caret does.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Ln 99999, Col 9999")) + 8);
    connect(&view, &QPlainTextEdit::cursorPositionChanged, this, &CaretPositionPane::ShowCaretPosition);
    ShowCaretPosition();
}

void CaretPositionPane::ShowCaretPosition()
{
    const CQuillmark2View::CaretPosition caret = m_view.CaretLineAndColumn();
    setText(QStringLiteral("Ln %1, Col %2").arg(caret.line).arg(caret.column));
}
