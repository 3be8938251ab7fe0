#include "CQuillmark2App.h"

#include "AppInfo.h"
#include "CAboutDlg.h"
#include "CHelpDialog.h"
#include "CMainFrame.h"
#include "CQuillmark2Doc.h"
#include "CSettingsDialog.h"
#include "DocumentManager.h"
#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "platform/Profile.h"
#include "platform/StringConvert.h"

namespace {
CQuillmark2App* theApp = nullptr;

const QString configuration = QStringLiteral("Configuration");
const QString fontSizeEntry = QStringLiteral("fontSize");
const QString languageEntry = QStringLiteral("languageID");
constexpr int defaultFontSize = 12;
const QString defaultLanguage = QStringLiteral("en");
// Where the window was and which bars it showed, kept beside the settings.
const QString workspace = QStringLiteral("Workspace");
const QString geometryEntry = QStringLiteral("geometry");
const QString barsEntry = QStringLiteral("bars");

Profile UserProfile()
{
    return Profile(AppInfo::organizationName, AppInfo::applicationName);
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

CQuillmark2App::CQuillmark2App()
{
    Q_ASSERT_X(!theApp, "CQuillmark2App", "one application object at a time");
    theApp = this;
}

CQuillmark2App::~CQuillmark2App()
{
    m_frame.reset();
    if (theApp == this)
        theApp = nullptr;
}

CQuillmark2App* CQuillmark2App::Instance()
{
    return theApp;
}

bool CQuillmark2App::InitInstance(const QStringList& arguments)
{
    InitResources();
    m_recentFiles.ReadList(UserProfile());
    LoadCustomState();

    m_frame = std::make_unique<CMainFrame>(*this);
    {
        const Profile profile = UserProfile();
        m_frame->restoreGeometry(profile.GetProfileBinary(workspace, geometryEntry));
        m_frame->restoreState(profile.GetProfileBinary(workspace, barsEntry));
    }
    DocumentManager& documents = m_frame->Documents();

    // A file named on the command line that cannot be read has been reported
    // by the document; the user then gets a new document rather than no
    // window at all.
    const QString path = arguments.value(1);
    if (path.isEmpty() || !documents.OpenDocumentFile(path)) {
        if (!documents.NewDocumentWithoutPrompt())
            return false;
    }

    m_frame->show();
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
        }
        profile.Flush();
    }
    return 0;
}

void CQuillmark2App::LoadCustomState()
{
    const Profile profile = UserProfile();
    m_fontSize = profile.GetProfileInt(configuration, fontSizeEntry, defaultFontSize);
    m_languageID = profile.GetProfileString(configuration, languageEntry, defaultLanguage);
    currentLanguageCode = toU16(m_languageID);
    SetLanguage(currentLanguageCode);
}

void CQuillmark2App::SaveCustomState()
{
    Profile profile = UserProfile();
    profile.WriteProfileInt(configuration, fontSizeEntry, m_fontSize);
    profile.WriteProfileString(configuration, languageEntry, m_languageID);
    profile.Flush();
}

void CQuillmark2App::ApplySettings(int fontSize, const QString& languageID)
{
    m_fontSize = fontSize;
    m_languageID = languageID;
    currentLanguageCode = toU16(m_languageID);
    SetLanguage(currentLanguageCode);
    if (m_frame)
        m_frame->GetActiveView()->ApplySettings(m_fontSize);
}

void CQuillmark2App::OnSettings()
{
    CSettingsDialog dialog(m_fontSize, m_languageID, m_frame.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplySettings(dialog.fontSize(), dialog.languageID());
}

void CQuillmark2App::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}

void CQuillmark2App::OnHelp()
{
    CHelpDialog dialog(HelpText::Editor, m_frame.get());
    dialog.exec();
}
