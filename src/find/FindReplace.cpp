#include "FindReplace.h"

#include "FindReplaceDialog.h"
#include "platform/MessageBox.h"
#include "platform/TextControl.h"

#include <QPlainTextEdit>

FindReplace::FindReplace(QPlainTextEdit* editor, QWidget* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_parent(parent)
{
}

FindReplace::~FindReplace()
{
    delete m_dialog;
}

void FindReplace::ShowFind()
{
    Show(false);
}

void FindReplace::ShowReplace()
{
    Show(true);
}

bool FindReplace::FindNext()
{
    if (!m_lastSearch) {
        ShowFind();
        return false;
    }
    if (!m_editor)
        return false;
    if (FindNextInEditor(*m_editor, *m_lastSearch))
        return true;
    ReportNotFound(m_lastSearch->findWhat);
    return false;
}

void FindReplace::Show(bool replaceMode)
{
    if (!m_dialog) {
        m_dialog = new FindReplaceDialog(m_editor, replaceMode, m_parent);
        connect(m_dialog, &FindReplaceDialog::searched, this,
            [this](const SearchRequest& request) { m_lastSearch = request; });
        connect(m_dialog, &FindReplaceDialog::notFound, this, &FindReplace::ReportNotFound);
    }
    m_dialog->setReplaceMode(replaceMode);

    SearchRequest request = m_lastSearch.value_or(m_dialog->request());
    // A selection within one line is what the user most likely wants to find.
    const QString selected = m_editor ? TextControl(m_editor).GetSelectedText() : QString();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        request.findWhat = selected;
    m_dialog->setRequest(request);

    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void FindReplace::ReportNotFound(const QString& findWhat)
{
    QWidget* owner = m_dialog && m_dialog->isVisible() ? static_cast<QWidget*>(m_dialog) : m_parent.data();
    MessageBoxOk(tr("Cannot find \"%1\"").arg(findWhat), owner);
}
