#pragma once

#include <QDockWidget>

class ProblemMarks;
class QTreeWidget;

// The Problems list, a window docked below the text: every problem marked in
// the text, with its line, its kind and its message, in line order.
// Activating one (double click, Enter) asks for the caret to go there.
class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    ProblemsDock(const ProblemMarks& marks, QWidget* parent);

    QTreeWidget& List() const { return *m_list; }

signals:
    // The index of the problem among the marks.
    void problemActivated(int index);

private:
    void Fill();

    const ProblemMarks& m_marks;
    QTreeWidget* m_list;
};
