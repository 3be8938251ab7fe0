#pragma once

#include <QObject>
#include <QString>

class CQuillmark2Doc;
class RecentFileList;
class QWidget;

// The roads by which a document comes and goes: New, Open (by the dialog, the
// command line, the recent-file list or a drop), Save and Save As. Every road
// that would discard a modified document asks first whether to save it, and a
// road that fails leaves the current document as it was.
class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(CQuillmark2Doc& document, RecentFileList& recentFiles, QWidget* dialogParent);

    // The framework's prompt: Yes saves (false when that save fails or is
    // cancelled), No discards, Cancel keeps the document. True when the caller
    // may go on discarding the document.
    bool SaveModified();

    bool OnFileNew();
    // Asks for a file, then opens it.
    bool OnFileOpen();
    // The one road by which a named file is opened. False when the user kept
    // the current document or the file could not be read.
    bool OpenDocumentFile(const QString& path);
    // The entry of the recent-file list; an entry that cannot be opened any
    // more leaves the list.
    bool OpenRecentFile(int index);
    // Save under the document's path, or ask for one when it has none.
    bool OnFileSave();
    bool OnFileSaveAs();

    // Start-up: a new document without a prompt.
    bool NewDocumentWithoutPrompt();
    // Start-up with a file named on the command line. A file that does not
    // exist yet in a folder that does becomes a new document by that name,
    // which Save then creates; a missing folder is reported. Everything else
    // takes the road of OpenDocumentFile.
    bool OpenCommandLineFile(const QString& path);

    // Where printing to a file proposes to write: the document's name with
    // ".pdf", in its folder; "Untitled.pdf" in the current folder for a new one.
    QString SuggestedPdfPath() const;

signals:
    // The list changed (a file was opened or saved, or an entry failed).
    void recentFilesChanged();
    // News for the status bar that stands until other news replaces it: the
    // file was deleted on disk, or changed while a dialog was open.
    void statusMessage(const QString& text);
    // News that leaves the status bar after a few seconds: the file was reloaded.
    void passingStatusMessage(const QString& text);

private:
    bool DoSave(const QString& path);
    // Another program changed the open file: an unmodified document is read
    // again; a modified one asks whether to read it again or keep the user's
    // text, which then stands against that version of the file.
    void OnChangedOnDisk();
    // The file is gone: the text is all there is of it, so it counts as
    // modified and closing asks to save it.
    void OnDeletedOnDisk();
    void Reload();
    // The status bar's note of a change held while a dialog was open goes
    // once the change is dealt with.
    void ForgetNotedChange();
    QString SuggestedSavePath() const;

    CQuillmark2Doc& m_document;
    RecentFileList& m_recentFiles;
    QWidget* m_dialogParent;
    // A question about the file on disk is open; notices meanwhile are
    // answered by it.
    bool m_askingAboutDisk = false;
    bool m_changeNoted = false;
};
