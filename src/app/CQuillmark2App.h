#pragma once

#include "core/language/KeywordDictionary.h"
#include "dialogs/FontSize.h"
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
// that does not end normally leaves the stored values as they were. A size the
// Settings dialog does not offer is taken as stored; a language code the
// dictionary does not know gives way to English, the default.
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
    // The one current language of the program: the setting's, until a
    // document's language directive chooses another.
    const Language& CurrentLanguage() const { return m_language; }

    // Whether the profile is written at all (the recent files as they change,
    // the rest at exit); the start-up probe turns it off so that measuring
    // leaves the user's profile alone.
    void SetSaveStateAtExit(bool save) { m_saveStateAtExit = save; }

    int m_fontSize = DEFAULT_FONT_SIZE;
    QString m_languageID;

private:
    // Reads the two settings and selects the language; an unknown code is
    // replaced by the default without a message.
    void LoadCustomState();
    void SaveCustomState();

    RecentFileList m_recentFiles;
    // Ahead of the window, whose view works in it until the window is gone.
    Language m_language;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_saveStateAtExit = true;
};
