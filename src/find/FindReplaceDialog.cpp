#include "FindReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

FindReplaceDialog::FindReplaceDialog(QPlainTextEdit* editor, bool replaceMode, QWidget* parent)
    : QDialog(parent)
    , m_editor(editor)
{
    setModal(false);

    m_findWhat = new QLineEdit(this);
    m_findWhat->setObjectName(QStringLiteral("findWhat"));
    m_replaceWith = new QLineEdit(this);
    m_replaceWith->setObjectName(QStringLiteral("replaceWith"));
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_findWhat);
    m_replaceLabel = new QLabel(tr("Re&place with:"), this);
    m_replaceLabel->setBuddy(m_replaceWith);

    m_wholeWord = new QCheckBox(tr("Match &whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("wholeWord"));
    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    auto* direction = new QGroupBox(tr("Direction"), this);
    m_up = new QRadioButton(tr("&Up"), direction);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new QRadioButton(tr("&Down"), direction);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = NewButton(tr("&Find Next"), QStringLiteral("findNextButton"), this);
    m_findNext->setDefault(true);
    m_replace = NewButton(tr("&Replace"), QStringLiteral("replaceButton"), this);
    m_replaceAll = NewButton(tr("Replace &All"), QStringLiteral("replaceAllButton"), this);
    auto* cancel = NewButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(m_findNext, &QPushButton::clicked, this, &FindReplaceDialog::FindNext);
    connect(m_replace, &QPushButton::clicked, this, &FindReplaceDialog::Replace);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindReplaceDialog::ReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &FindReplaceDialog::reject);
    connect(m_findWhat, &QLineEdit::textChanged, this, &FindReplaceDialog::UpdateButtons);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findWhat, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceWith, 1, 1);
    fields->addWidget(m_wholeWord, 2, 0, 1, 2);
    fields->addWidget(m_matchCase, 3, 0, 1, 2);
    fields->addWidget(direction, 4, 0, 1, 2);
    fields->setRowStretch(5, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : { m_findNext, m_replace, m_replaceAll, cancel })
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    setReplaceMode(replaceMode);
}

void FindReplaceDialog::setReplaceMode(bool replaceMode)
{
    m_replaceMode = replaceMode;
    setWindowTitle(replaceMode ? tr("Replace") : tr("Find"));
    for (QWidget* widget :
        std::initializer_list<QWidget*> { m_replaceLabel, m_replaceWith, m_replace, m_replaceAll })
        widget->setVisible(replaceMode);
    UpdateButtons();
}

SearchRequest FindReplaceDialog::request() const
{
    SearchRequest request;
    request.findWhat = m_findWhat->text();
    request.replaceWith = m_replaceWith->text();
    request.matchCase = m_matchCase->isChecked();
    request.wholeWord = m_wholeWord->isChecked();
    request.up = m_up->isChecked();
    return request;
}

void FindReplaceDialog::setRequest(const SearchRequest& request)
{
    m_findWhat->setText(request.findWhat);
    m_findWhat->selectAll();
    m_replaceWith->setText(request.replaceWith);
    m_matchCase->setChecked(request.matchCase);
    m_wholeWord->setChecked(request.wholeWord);
    (request.up ? m_up : m_down)->setChecked(true);
}

void FindReplaceDialog::FindNext()
{
    const SearchRequest current = request();
    if (!m_editor || current.findWhat.isEmpty())
        return;
    emit searched(current);
    if (!FindNextInEditor(*m_editor, current))
        emit notFound(current.findWhat);
}

void FindReplaceDialog::Replace()
{
    const SearchRequest current = request();
    if (!m_editor || current.findWhat.isEmpty())
        return;
    emit searched(current);
    if (!ReplaceInEditor(*m_editor, current))
        emit notFound(current.findWhat);
}

void FindReplaceDialog::ReplaceAll()
{
    const SearchRequest current = request();
    if (!m_editor || current.findWhat.isEmpty())
        return;
    emit searched(current);
    if (ReplaceAllInEditor(*m_editor, current) == 0)
        emit notFound(current.findWhat);
}

void FindReplaceDialog::UpdateButtons()
{
    const bool canSearch = !m_findWhat->text().isEmpty();
    for (QPushButton* button : { m_findNext, m_replace, m_replaceAll })
        button->setEnabled(canSearch);
}
