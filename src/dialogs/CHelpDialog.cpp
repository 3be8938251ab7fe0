#include "CHelpDialog.h"

#include "platform/RtfReader.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

// The help texts are compiled into the dialogs' library; naming their
// resource here makes the linker keep it.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace {

// The RTF of a help text as the program carries it.
QByteArray Rtf(HelpText which)
{
    InitHelpResources();
    QFile file(which == HelpText::Editor ? QStringLiteral(":/help/editor-help.rtf")
                                         : QStringLiteral(":/help/table-help.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

CHelpDialog::CHelpDialog(HelpText which, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Help"));
    resize(560, 290);

    m_helpText = new QTextEdit(this);
    m_helpText->setObjectName(QStringLiteral("helpText"));
    m_helpText->setReadOnly(true);
    m_helpText->setLineWrapMode(QTextEdit::WidgetWidth);
    m_helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Whatever can be read of the text is shown; only an empty result needs a word.
    RtfReader::Read(Rtf(which), *m_helpText->document());
    if (m_helpText->document()->isEmpty())
        m_helpText->setPlainText(tr("The help text could not be read."));
    // Reading leaves the caret at the end; the reader starts at the title.
    m_helpText->moveCursor(QTextCursor::Start);

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &CHelpDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_helpText, 1);
    layout->addLayout(buttons);
}
