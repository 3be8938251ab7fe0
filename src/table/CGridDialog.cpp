#include "table/CGridDialog.h"

#include "core/table/TableLayout.h"
#include "platform/MessageBox.h"
#include "table/DialogLayout.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

namespace {

// The size the user last left the dialog at, for the next table of the run.
QSize s_rememberedSize;

} // namespace

CGridDialog::CGridDialog(QWidget* parent)
    : QDialog(parent)
    , m_grid(10, 5, 1, 1, this)
{
    setWindowTitle(tr("Table"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    m_okButton = NewDialogButton(tr("OK"), *this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = NewDialogButton(tr("Cancel"), *this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_helpButton = NewDialogButton(tr("Help"), *this);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpButton, &QPushButton::clicked, this, &CGridDialog::helpRequested);
    // Narrower than this, Help would leave the window.
    setMinimumSize(HELP_RIGHT_MARGIN + m_helpButton->width() + CANCEL_RIGHT_MARGIN,
        4 * m_okButton->height() + BUTTON_BOTTOM_MARGIN);

    connect(&m_grid, &CGridCtrl::rightClicked, this, &CGridDialog::OnGridRightClick);
    connect(&m_grid, &CGridCtrl::cellsChanged, this, &CGridDialog::OnCellsChanged);

    // Inside a cell's editor Ctrl+Z and Ctrl+Shift+Z undo and redo the typing:
    // the line edit claims those keys before any shortcut sees them.
    const auto addShortcuts = [this](const QList<QKeySequence>& keys, void (CGridDialog::*command)()) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, command);
        addAction(action);
    };
    addShortcuts(QKeySequence::keyBindings(QKeySequence::Undo), &CGridDialog::OnUndo);
    addShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) },
        &CGridDialog::OnRedo);
    // Ctrl+Enter is OK wherever the focus is, a cell's editor included.
    addShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) },
        &CGridDialog::accept);
    // Tab moves between the cells; Ctrl+Tab leaves the grid for the buttons
    // and comes back.
    addShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Tab) }, &CGridDialog::FocusNextControl);
    addShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_Backtab),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) },
        &CGridDialog::FocusPreviousControl);
}

void CGridDialog::FocusNextControl()
{
    // An open editor ends first and hands the focus back to the grid.
    m_grid.EndEditing();
    focusNextPrevChild(true);
}

void CGridDialog::FocusPreviousControl()
{
    m_grid.EndEditing();
    focusNextPrevChild(false);
}

CGridDialog::~CGridDialog() = default;

void CGridDialog::setVisible(bool visible)
{
    if (visible && !m_initialised)
        OnInitDialog();
    QDialog::setVisible(visible);
}

void CGridDialog::OnInitDialog()
{
    m_initialised = true;
    // The font sizes every row and every column to its contents.
    m_grid.SetGridFont(m_gridFont);
    // The grid answers keys only once it has a focus cell.
    m_grid.SetFocusCell(1, 1);
    if (m_grid.GetFocusCell().IsValid())
        m_grid.SetSelectedRange({ 1, 1, 1, 1 });
    m_grid.setFocus(Qt::OtherFocusReason);
    resize(InitialSize());
    LayoutControls();
}

QSize CGridDialog::InitialSize() const
{
    const QSize base
        = s_rememberedSize.isValid() ? s_rememberedSize : DialogUnitsToPixels(*this, { 537, 269 });
    const CGridModel& model = m_grid.Model();
    const int frame = 2 * m_grid.frameWidth();
    const int below = CONTROL_GAP + m_okButton->height() + BUTTON_BOTTOM_MARGIN;
    QSize table(model.GetTotalWidth() + frame, model.GetTotalHeight() + frame + below);
    // A table taller (wider) than the screen scrolls, and its scroll bar
    // takes room from the other direction.
    const QSize screen = BoundedToScreen(*this, table);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (table.height() > screen.height())
        table.rwidth() += bar;
    if (table.width() > screen.width())
        table.rheight() += bar;
    return BoundedToScreen(*this, base.expandedTo(table));
}

void CGridDialog::reject()
{
    // Cancel, Esc and the close button: typing still open in a cell is a
    // change too, and changes are not thrown away unasked.
    m_grid.EndEditing();
    if (m_history.CanUndo()
        && !MessageBoxAsk(
            tr("Discard the changes to this table?"), tr("Discard"), tr("Keep editing"), false, this))
        return;
    QDialog::reject();
}

void CGridDialog::done(int result)
{
    // Typing still open in a cell belongs to the table that OK hands back.
    m_grid.EndEditing();
    s_rememberedSize = isMaximized() ? normalGeometry().size() : size();
    QDialog::done(result);
}

void CGridDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

void CGridDialog::LayoutControls()
{
    const QRect client = rect();
    PlaceDialogButton(*m_cancelButton, client, CANCEL_RIGHT_MARGIN);
    PlaceDialogButton(*m_helpButton, client, HELP_RIGHT_MARGIN);
    PlaceDialogButton(*m_okButton, client, OK_RIGHT_MARGIN);
    m_grid.setGeometry(MainControlRect(client, *m_okButton));
}

bool CGridDialog::event(QEvent* event)
{
    // F1 is the dialog's own, and asks for nothing: no shortcut of the main
    // window may take it.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void CGridDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

LineList CGridDialog::GetTableLines() const
{
    return AlignCellMatrix(WrittenCells());
}
