#include "CMainFrame.h"

#include "AppInfo.h"
#include "CQuillmark2App.h"
#include "CQuillmark2Doc.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DocumentManager.h"
#include "LockKeyIndicators.h"
#include "MenuLayout.h"
#include "Printing.h"
#include "RecentFileList.h"
#include "editor/CQuillmark2View.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

using namespace CommandId;

namespace {
// The local files among dropped URLs; a drop of anything else is text for the view.
QStringList LocalFiles(const QMimeData* mime)
{
    QStringList files;
    if (mime && mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile())
                files.append(url.toLocalFile());
        }
    }
    return files;
}
}

CMainFrame::CMainFrame(CQuillmark2App& app, QWidget* parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_view(new CQuillmark2View(this))
    , m_document(new CQuillmark2Doc(this))
    , m_commands(new CommandTable(this))
    , m_documents(new DocumentManager(*m_document, app.RecentFiles(), this))
{
    m_document->SetView(m_view);
    m_view->SetFontSize(app.m_fontSize);
    setCentralWidget(m_view);

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

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
    connect(m_documents, &DocumentManager::recentFilesChanged, this, &CMainFrame::UpdateRecentFileMenu);
    connect(m_view, &QPlainTextEdit::copyAvailable, this, &CMainFrame::UpdateToolBar);
    connect(m_view->document(), &QTextDocument::undoAvailable, this, &CMainFrame::UpdateToolBar);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateToolBar);

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
    new LockKeyIndicators(statusBar());
}

void CMainFrame::UpdateTitle()
{
    // "[*]" is the modified mark's place; one inside a file name must stay text.
    QString name = m_document->GetTitle();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, AppInfo::applicationName));
    setWindowModified(m_document->IsModified());
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
    const QStringList& paths = m_app.RecentFiles().Paths();
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
    m_commands->Update({ m_commands->Action(ID_EDIT_UNDO) });
}

void CMainFrame::ShowViewPopupMenu(const QPoint& globalPos)
{
    m_commands->Update(m_viewPopup->actions());
    m_viewPopup->popup(globalPos);
}

bool CMainFrame::OpenDroppedFiles(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            return m_documents->OpenDocumentFile(url.toLocalFile());
    }
    return false;
}

void CMainFrame::OpenDroppedFilesLater(const QList<QUrl>& urls)
{
    // The save prompt must not run inside the drag-and-drop exchange, which
    // the source application is still waiting on.
    QMetaObject::invokeMethod(
        this, [this, urls] { OpenDroppedFiles(urls); }, Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_documents->SaveModified())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    if (LocalFiles(event->mimeData()).isEmpty())
        return;
    event->acceptProposedAction();
    OpenDroppedFilesLater(event->mimeData()->urls());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!LocalFiles(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!LocalFiles(drop->mimeData()).isEmpty()) {
                drop->acceptProposedAction();
                OpenDroppedFilesLater(drop->mimeData()->urls());
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
