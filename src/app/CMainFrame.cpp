#include "CMainFrame.h"

#include "CaretPositionPane.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "LoadProgressMessage.h"
#include "LockKeyIndicators.h"
#include "MenuLayout.h"
#include "document/CQuillmark2Doc.h"
#include "document/DocumentManager.h"
#include "document/RecentFileList.h"
#include "document/RecoveryCopy.h"
#include "editor/CQuillmark2View.h"
#include "platform/AppInfo.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "print/Printing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

using namespace CommandId;

CMainFrame::CMainFrame(RecentFileList& recentFiles, Language& language, QWidget* parent)
    : QMainWindow(parent)
    , m_recentFiles(recentFiles)
    , m_view(new CQuillmark2View(language, this))
    , m_document(new CQuillmark2Doc(*m_view, this))
    , m_commands(new CommandTable(this))
    , m_documents(new DocumentManager(*m_document, recentFiles, this))
    , m_recovery(new RecoveryCopy(*m_document, *m_view, this))
{
    setCentralWidget(m_view);

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateProblemViews();

    // Files dropped on the text open like File Open instead of being pasted
    // into it as their names.
    setAcceptDrops(true);
    m_view->viewport()->installEventFilter(this);

    connect(m_view, &CQuillmark2View::contextMenuRequested, this, &CMainFrame::ShowViewPopupMenu);
    connect(m_document, &CQuillmark2Doc::modifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(m_document, &CQuillmark2Doc::pathNameChanged, this, &CMainFrame::UpdateTitle);
    // Damaged bytes were replaced while loading; the user must hear of it
    // before a save writes the replacements over the file.
    connect(m_document, &CQuillmark2Doc::loadWarning, this,
        [this](const QString& message) { MessageBoxOk(message, this); });
    // Another program's change to the file waits while a command runs or a
    // dialog is open: a dialog's result is written into the text it was
    // made for, and only then is the file reloaded or asked about.
    m_document->GetFileWatch().HoldNoticesWhile(
        [this] { return m_commands->Running() || QApplication::activeModalWidget() != nullptr; });
    connect(m_documents, &DocumentManager::recentFilesChanged, this, &CMainFrame::UpdateRecentFileMenu);
    connect(m_documents, &DocumentManager::statusMessage, statusBar(),
        [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_documents, &DocumentManager::passingStatusMessage, this, &CMainFrame::ShowPassingMessage);
    connect(m_document, &CQuillmark2Doc::passingStatusMessage, this, &CMainFrame::ShowPassingMessage);
    // A large file takes a while to load; the title names it from the start.
    connect(m_document, &CQuillmark2Doc::loadProgress, this, [this](const QString& fileName, int percent) {
        if (percent <= 0)
            ShowTitle(fileName, false);
        else if (percent >= 100)
            UpdateTitle();
    });
    connect(m_view, &QPlainTextEdit::copyAvailable, this, &CMainFrame::UpdateToolBar);
    connect(m_view, &QPlainTextEdit::undoAvailable, this, &CMainFrame::UpdateToolBar);
    connect(m_view, &QPlainTextEdit::redoAvailable, this, &CMainFrame::UpdateToolBar);
    WhenClipboardChanges(this, [this] { UpdateToolBar(); });

    setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));
    resize(900, 700);
    UpdateTitle();
    UpdateToolBar();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateMenus()
{
    BuildMenuBar(menuBar(), *m_commands);
    for (QObject* owner : m_commands->Action(ID_FILE_MRU_FILE1)->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            m_fileMenu = menu;
    }
    UpdateRecentFileMenu();

    const MenuEntry& popup = ViewPopupLayout();
    m_viewPopup = new QMenu(QString::fromUtf8(popup.title), this);
    m_viewPopup->setObjectName(QStringLiteral("viewPopupMenu"));
    BuildMenu(m_viewPopup, popup.items, *m_commands);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Standard"));
    m_toolBar->setObjectName(QStringLiteral("Standard"));
    m_toolBar->setIconSize(QSize(16, 16));
    BuildToolBar(m_toolBar, *m_commands);
}

void CMainFrame::CreateStatusBar()
{
    // A normal pane is covered by the prompt of the highlighted command and
    // shows again when there is none.
    statusBar()->addWidget(new QLabel(QStringLiteral("Ready"), statusBar()), 1);
    statusBar()->addPermanentWidget(new CaretPositionPane(*m_view, statusBar()));
    new LockKeyIndicators(statusBar());
    connect(m_document, &CQuillmark2Doc::loadProgress, new LoadProgressMessage(statusBar()),
        &LoadProgressMessage::Show);
}

void CMainFrame::UpdateTitle()
{
    ShowTitle(m_document->GetTitle(), m_document->IsModified());
}

void CMainFrame::ShowTitle(QString name, bool modified)
{
    // "[*]" is the modified mark's place; one inside a file name must stay text.
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, AppInfo::applicationName));
    setWindowModified(modified);
}

void CMainFrame::ShowPassingMessage(const QString& text)
{
    statusBar()->showMessage(text, passingMessageMs);
}

void CMainFrame::UpdateRecentFileMenu()
{
    // The list changes while one of its own entries is being triggered, so the
    // old entries leave the menu now and are deleted once that is over.
    for (QAction* action : std::as_const(m_recentFileActions)) {
        if (m_fileMenu)
            m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentFileActions.clear();

    QAction* placeholder = m_commands->Action(ID_FILE_MRU_FILE1);
    const QStringList& paths = m_recentFiles.Paths();
    placeholder->setVisible(paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
        auto* action = new QAction(RecentFileList::MenuText(i, paths[i]), this);
        action->setData(ID_FILE_MRU_FILE1 + i);
        action->setStatusTip(placeholder->statusTip());
        connect(action, &QAction::triggered, this, [this, i] { m_documents->OpenRecentFile(i); });
        if (m_fileMenu)
            m_fileMenu->insertAction(placeholder, action);
        m_recentFileActions.append(action);
    }
}

void CMainFrame::UpdateToolBar()
{
    m_commands->Update(m_toolBar->actions());
    m_commands->Update({ m_commands->Action(ID_EDIT_UNDO), m_commands->Action(ID_EDIT_REDO) });
}

void CMainFrame::ShowViewPopupMenu(const QPoint& globalPos)
{
    m_commands->Update(m_viewPopup->actions());
    m_viewPopup->popup(globalPos);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_documents->SaveModified())
        event->accept();
    else
        event->ignore();
}

bool CMainFrame::TakeFileDrop(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    QString file;
    if (const QMimeData* mime = drop->mimeData(); mime && mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile()) {
                file = url.toLocalFile();
                break;
            }
        }
    }
    if (file.isEmpty())
        return false;
    drop->acceptProposedAction();
    // The save prompt must not run inside the drag-and-drop exchange, which
    // the source application is still waiting on.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, file] { m_documents->OpenDocumentFile(file); }, Qt::QueuedConnection);
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    TakeFileDrop(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    TakeFileDrop(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && TakeFileDrop(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}
