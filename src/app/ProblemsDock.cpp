#include "ProblemsDock.h"

#include "editor/ProblemMarks.h"
#include "platform/StringConvert.h"

#include <QHeaderView>
#include <QTreeWidget>

ProblemsDock::ProblemsDock(const ProblemMarks& marks, QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent)
    , m_marks(marks)
    , m_list(new QTreeWidget(this))
{
    // The name under which the window's layout remembers it between runs.
    setObjectName(QStringLiteral("problemsDock"));
    m_list->setObjectName(QStringLiteral("problemsList"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({ QStringLiteral("Line"), QStringLiteral("Kind"), QStringLiteral("Message") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    setWidget(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this,
        [this](QTreeWidgetItem* item) { emit problemActivated(m_list->indexOfTopLevelItem(item)); });
    connect(&marks, &ProblemMarks::marksChanged, this, &ProblemsDock::Fill);
    Fill();
}

void ProblemsDock::Fill()
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const ProblemMarks::Mark& mark : m_marks.Marks()) {
        const bool error = mark.problem.kind == GherkinProblem::Kind::Error;
        auto* item = new QTreeWidgetItem({ QString::number(mark.line + 1),
            error ? QStringLiteral("error") : QStringLiteral("warning"), toQString(mark.problem.message) });
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(2, item->text(2));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
}
