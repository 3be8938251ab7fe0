#pragma once

#include "document/RecentFileList.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;

// The one application object: brings the program up, owns the two settings
// for the whole run and writes them back at exit.
//
// Settings live in the profile's "Configuration" section as "fontSize" and
// "languageID"; they are read at start-up and written only at exit, so a run
// that does not end normally leaves the stored values as they were. Values are
// taken as stored: a size the Settings dialog does not offer, or a language
// code the dictionary does not know, is kept and written back unchanged.
class CQuillmark2App : public QObject {
    Q_OBJECT
public:
    CQuillmark2App();
    ~CQuillmark2App() override;

    // Start-up: settings, the main window with a new document, shown, then
    // the file named in `arguments` (program name first, as
    // QCoreApplication::arguments() gives them). False ends the program.
    bool InitInstance(const QStringList& arguments);
    // Exit: writes the settings, the recent-file list and the window's place
    // and bars. Returns the exit code.
    int ExitInstance();

    // The Settings command: the dialog with the current settings; on OK the
    // new ones are stored, the language selected and the view's text shown at
    // the new size, re-coloured without re-analysis.
    void OnSettings();

    CMainFrame* GetMainFrame() const { return m_frame.get(); }

    // Whether ExitInstance writes anything; the start-up probe turns it off
    // so that measuring leaves the user's profile alone.
    void SetSaveStateAtExit(bool save) { m_saveStateAtExit = save; }

    int m_fontSize = 12;
    QString m_languageID;

private:
    // Reads the two settings and selects the language; no message when the
    // code is unknown (the dictionary then selects nothing).
    void LoadCustomState();
    void SaveCustomState();

    RecentFileList m_recentFiles;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_saveStateAtExit = true;
};
