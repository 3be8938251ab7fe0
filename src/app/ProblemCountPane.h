#pragma once

#include <QLabel>

class ProblemMarks;

// The status bar's pane of the problems marked in the text, "2 errors, 1
// warning"; hidden when there are none. A click on it asks for the first.
class ProblemCountPane : public QLabel {
    Q_OBJECT
public:
    ProblemCountPane(const ProblemMarks& marks, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowCounts();

    const ProblemMarks& m_marks;
};
