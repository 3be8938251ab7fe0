#include "table/CStringDialog.h"

#include "platform/LineFeeds.h"
#include "platform/MessageBox.h"
#include "table/DialogLayout.h"
#include "table/MyEditCtrl.h"
#include "table/WideCharacterHighlighter.h"

#include <QAction>
#include <QPalette>
#include <QPushButton>
#include <QTextDocument>

namespace {

// The box's text with its lines separated by CR LF. The raw text keeps what
// the plain-text form would change (a no-break space stays one); the box
// separates its lines by paragraph marks, and Shift+Return by line
// separators.
QString TextOfBox(const MyEditCtrl& edit)
{
    QString text = edit.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

} // namespace

CStringDialog::CStringDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("String"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    m_edit = new MyEditCtrl(this);
    m_edit->setObjectName(QStringLiteral("textBox"));
    m_okButton = NewDialogButton(tr("OK"), *this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = NewDialogButton(tr("Cancel"), *this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_okButton, &QPushButton::clicked, this, &CStringDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the box starts a line: Ctrl+Enter is OK.
    auto* confirm = new QAction(this);
    confirm->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });
    connect(confirm, &QAction::triggered, this, &CStringDialog::accept);
    addAction(confirm);
    setMinimumSize(OK_RIGHT_MARGIN + m_okButton->width() + CANCEL_RIGHT_MARGIN,
        4 * m_okButton->height() + BUTTON_BOTTOM_MARGIN);
}

void CStringDialog::setVisible(bool visible)
{
    if (visible && !m_initialised)
        OnInitDialog();
    QDialog::setVisible(visible);
}

void CStringDialog::OnInitDialog()
{
    m_initialised = true;
    m_edit->setFont(m_charFormat.font().resolve(m_edit->font()));
    new WideCharacterHighlighter(m_edit->document(), m_edit->font());
    if (m_charFormat.hasProperty(QTextFormat::ForegroundBrush)) {
        QPalette palette = m_edit->palette();
        palette.setColor(QPalette::Text, m_charFormat.foreground().color());
        m_edit->setPalette(palette);
    }
    // Loading the text is no edit that Undo could take back.
    m_edit->setPlainText(WithLineFeeds(m_text));
    m_edit->setFocus(Qt::OtherFocusReason);
    resize(BoundedToScreen(*this, DialogUnitsToPixels(*this, { 537, 269 })));
    LayoutControls();
}

void CStringDialog::accept()
{
    const QString text = TextOfBox(*m_edit);
    if (m_problemWith) {
        if (const QString problem = m_problemWith(text); !problem.isEmpty()) {
            MessageBoxOk(problem, this);
            return;
        }
    }
    m_text = text;
    QDialog::accept();
}

void CStringDialog::reject()
{
    // Cancel, Esc and the close button: a changed text is not thrown away
    // unasked.
    const bool changed = WithLineFeeds(TextOfBox(*m_edit)) != WithLineFeeds(m_text);
    if (changed
        && !MessageBoxAsk(
            tr("Discard the changes to this doc string?"), tr("Discard"), tr("Keep editing"), false, this))
        return;
    QDialog::reject();
}

void CStringDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

void CStringDialog::LayoutControls()
{
    const QRect client = rect();
    PlaceDialogButton(*m_cancelButton, client, CANCEL_RIGHT_MARGIN);
    PlaceDialogButton(*m_okButton, client, OK_RIGHT_MARGIN);
    m_edit->setGeometry(MainControlRect(client, *m_okButton));
}
