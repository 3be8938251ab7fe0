#include "CQuillmark2App.h"

#include "CMainFrame.h"
#include "CommandLine.h"
#include "core/language/KeywordDictionary.h"
#include "dialogs/CSettingsDialog.h"
#include "document/DocumentManager.h"
#include "document/RecoveryCopy.h"
#include "editor/CQuillmark2View.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/StringConvert.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStatusBar>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace {
const QString configuration = QStringLiteral("Configuration");
const QString fontSizeEntry = QStringLiteral("fontSize");
const QString languageEntry = QStringLiteral("languageID");
const QString defaultLanguage = QStringLiteral("en");
// Where the window was and which bars it showed, kept beside the settings.
const QString workspace = QStringLiteral("Workspace");
const QString geometryEntry = QStringLiteral("geometry");
const QString barsEntry = QStringLiteral("bars");
// The window's saved state covers its toolbar, not its status bar.
const QString statusBarEntry = QStringLiteral("statusBar");

Profile UserProfile()
{
    return Profile(AppInfo::organizationName, AppInfo::applicationName);
}

// Files larger than this take longer than a blink to open.
constexpr qint64 paintFirstBytes = 1024 * 1024;

// A window just shown is painted only once the window system has exposed it;
// this waits for that (never longer than a moment, in case it never comes)
// and paints the window on the screen at once.
void PaintShownWindow(QWidget& window)
{
    constexpr int longestWaitMs = 500;
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() != nullptr && !window.windowHandle()->isExposed()
        && waited.elapsed() < longestWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(1);
    }
    window.repaint();
}
}

// Outside the unnamed namespace: the macro declares the resource's
// registration function, which must keep its global name.
static void InitResources()
{
    // The icons sit in a static library; without this call the linker may
    // leave their registration out.
    Q_INIT_RESOURCE(resources);
}

CQuillmark2App::CQuillmark2App() = default;

CQuillmark2App::~CQuillmark2App() = default;

bool CQuillmark2App::InitInstance(const QStringList& arguments)
{
    InitResources();
    ShowEveryMessageBoxAsPlainText();
    m_recentFiles.ReadList(UserProfile());
    LoadCustomState();

    m_frame = std::make_unique<CMainFrame>(m_recentFiles, m_language);
    m_frame->GetActiveView()->SetFontSize(m_fontSize);
    connect(m_frame.get(), &CMainFrame::settingsRequested, this, &CQuillmark2App::OnSettings);
    {
        const Profile profile = UserProfile();
        m_frame->restoreGeometry(profile.GetProfileBinary(workspace, geometryEntry));
        m_frame->restoreState(profile.GetProfileBinary(workspace, barsEntry));
        m_frame->statusBar()->setVisible(profile.GetProfileInt(workspace, statusBarEntry, 1) != 0);
    }
    DocumentManager& documents = m_frame->Documents();
    // Written as it changes, so that a crash or a killed session keeps it.
    connect(&documents, &DocumentManager::recentFilesChanged, this, [this] {
        if (!m_saveStateAtExit)
            return;
        Profile profile = UserProfile();
        m_recentFiles.WriteList(profile);
        profile.Flush();
    });
    if (!documents.NewDocumentWithoutPrompt())
        return false;
    m_frame->show();

    // The file named on the command line is opened once the window is up, so
    // that whatever must be said of it (bytes that were replaced, an unknown
    // language, a file that cannot be read) is said over the window. A large
    // file waits until the window is painted too, so that the user sees the
    // program at once; a small one is in before the first paint would be.
    // A file that cannot be read leaves the new document.
    const QString path = FileToOpen(arguments);
    if (!path.isEmpty()) {
        if (QFileInfo(path).size() > paintFirstBytes)
            PaintShownWindow(*m_frame);
        documents.OpenCommandLineFile(path);
    }
    // Copies left by an editor that did not end normally are offered last, over
    // the window and the file it shows: a restored copy replaces that
    // unmodified document, so nothing asks whether to save it first.
    m_frame->Recovery().OfferLeftCopies();
    return true;
}

int CQuillmark2App::ExitInstance()
{
    if (m_saveStateAtExit) {
        SaveCustomState();
        Profile profile = UserProfile();
        m_recentFiles.WriteList(profile);
        if (m_frame) {
            profile.WriteProfileBinary(workspace, geometryEntry, m_frame->saveGeometry());
            profile.WriteProfileBinary(workspace, barsEntry, m_frame->saveState());
            profile.WriteProfileInt(workspace, statusBarEntry, m_frame->statusBar()->isHidden() ? 0 : 1);
        }
        profile.Flush();
    }
    return 0;
}

void CQuillmark2App::LoadCustomState()
{
    const Profile profile = UserProfile();
    m_fontSize = profile.GetProfileInt(configuration, fontSizeEntry, DEFAULT_FONT_SIZE);
    m_languageID = profile.GetProfileString(configuration, languageEntry, defaultLanguage);
    // A code that no language has (a hand-edited or damaged profile) would
    // leave the templates without a keyword to write.
    if (FindLanguage(toU16(m_languageID)) < 0)
        m_languageID = defaultLanguage;
    SelectLanguageSetting(m_language, toU16(m_languageID));
}

void CQuillmark2App::SaveCustomState()
{
    Profile profile = UserProfile();
    profile.WriteProfileInt(configuration, fontSizeEntry, m_fontSize);
    profile.WriteProfileString(configuration, languageEntry, m_languageID);
    profile.Flush();
}

void CQuillmark2App::OnSettings()
{
    CSettingsDialog dialog(m_fontSize, m_languageID, m_frame.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_fontSize = dialog.fontSize();
    m_languageID = dialog.languageID();
    SelectLanguageSetting(m_language, toU16(m_languageID));
    if (m_frame)
        m_frame->GetActiveView()->ApplySettings(m_fontSize);
}
