#include "ProblemCountPane.h"

#include "editor/ProblemMarks.h"

#include <QMouseEvent>

ProblemCountPane::ProblemCountPane(const ProblemMarks& marks, QWidget* parent)
    : QLabel(parent)
    , m_marks(marks)
{
    setObjectName(QStringLiteral("problemCountPane"));
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    connect(&marks, &ProblemMarks::marksChanged, this, &ProblemCountPane::ShowCounts);
    ShowCounts();
}

void ProblemCountPane::ShowCounts()
{
    const QString summary = ProblemMarks::Summary(m_marks.ErrorCount(), m_marks.WarningCount());
    setText(summary);
    setToolTip(summary.isEmpty() ? QString() : QStringLiteral("Go to the first problem"));
    setVisible(!summary.isEmpty());
}

void ProblemCountPane::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}
