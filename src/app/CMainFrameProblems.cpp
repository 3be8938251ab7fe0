// What Cucumber would reject in the text, reached from the window: F8 and
// Shift+F8, the count in the status bar and the Problems list.
#include "CMainFrame.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "ProblemCountPane.h"
#include "ProblemsDock.h"
#include "editor/CQuillmark2View.h"
#include "platform/StringConvert.h"

#include <QAction>
#include <QStatusBar>

using namespace CommandId;

void CMainFrame::CreateProblemCommands()
{
    CommandTable& table = *m_commands;
    ProblemMarks& marks = m_view->problems();
    const auto any = [&marks] { return !marks.Marks().empty(); };
    table.Bind(
        ID_EDIT_NEXT_PROBLEM, [this, &marks] { GoToProblem(marks.Next(m_view->textCursor().position())); },
        any);
    table.Bind(
        ID_EDIT_PREVIOUS_PROBLEM,
        [this, &marks] { GoToProblem(marks.Previous(m_view->textCursor().position())); }, any);
    // The keys work while the menu is closed, so their state follows the marks.
    connect(&marks, &ProblemMarks::marksChanged, this, [this] {
        m_commands->Update(
            { m_commands->Action(ID_EDIT_NEXT_PROBLEM), m_commands->Action(ID_EDIT_PREVIOUS_PROBLEM) });
    });
    table.Bind(
        ID_VIEW_PROBLEMS, [this] { m_problemsDock->setVisible(m_problemsDock->isHidden()); },
        [] { return true; }, [this] { return m_problemsDock && !m_problemsDock->isHidden(); });
}

void CMainFrame::CreateProblemViews()
{
    ProblemMarks& marks = m_view->problems();
    auto* pane = new ProblemCountPane(marks, statusBar());
    // Right of the message pane, left of the caret's place.
    statusBar()->insertPermanentWidget(1, pane);
    connect(pane, &ProblemCountPane::clicked, this,
        [this, &marks] { GoToProblem(marks.Marks().empty() ? nullptr : &marks.Marks().front()); });

    m_problemsDock = new ProblemsDock(marks, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsDock);
    // Shown when the user asks for it; the window's saved layout brings it back.
    m_problemsDock->hide();
    connect(m_problemsDock, &ProblemsDock::problemActivated, this, [this, &marks](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < marks.Marks().size())
            GoToProblem(&marks.Marks()[static_cast<std::size_t>(index)]);
    });
}

void CMainFrame::GoToProblem(const ProblemMarks::Mark* mark)
{
    if (!mark)
        return;
    QTextCursor caret = m_view->textCursor();
    caret.setPosition(mark->span.selectionStart());
    m_view->setTextCursor(caret);
    m_view->ensureCursorVisible();
    m_view->setFocus();
    const bool error = mark->problem.kind == GherkinProblem::Kind::Error;
    statusBar()->showMessage(
        (error ? QStringLiteral("Error: ") : QStringLiteral("Warning: ")) + toQString(mark->problem.message));
}
