#pragma once

#include "FileWatch.h"

#include <QObject>
#include <QString>

class CQuillmark2View;

// The open feature file. It holds no text: the text lives in the view, and the
// document moves it between the view and the file (read as UTF-8 or UTF-16,
// written as UTF-8 with the file's own line end, CR LF for a new document).
// Failures are shown in a message box naming the file and the reason, and
// never touch the text or the file. Whether the document is modified is the
// view's to say.
class CQuillmark2Doc : public QObject {
    Q_OBJECT
public:
    explicit CQuillmark2Doc(CQuillmark2View& view, QObject* parent = nullptr);

    // An empty text, which the view fills with the new-document template.
    // With a `pathName` the new document goes by that name, and Save writes
    // it there without asking.
    bool OnNewDocument(const QString& pathName = QString());
    // Reads and decodes the file and loads its text into the view. On
    // failure shows the reason and returns false, the current text untouched.
    bool OnOpenDocument(const QString& path);
    // Writes the view's text as UTF-8; the old file stays whole unless the new
    // one was written in full. On failure shows the reason and returns false.
    // The text is encoded and written on a thread of its own, the window
    // painted meanwhile.
    bool OnSaveDocument(const QString& path);

    // Reads the file again after another program changed it; the caret
    // stays on its line. On failure shows the reason and keeps the text.
    bool ReloadDocument();
    // The text of a recovery copy, shown as a modified document of `path`
    // (empty for an untitled one) that is saved with `lineEnd`.
    void OnRestoreDocument(const QString& path, const QString& wholeText, const QString& lineEnd);
    // The text no longer matches the file, e.g. because the file is gone.
    void MarkModified();
    // What other programs have done to the file since the editor last read or
    // wrote it.
    FileWatch& GetFileWatch() { return m_fileWatch; }

    QString GetPathName() const { return m_pathName; }
    // What a save writes at the end of each line: the first line end of the
    // file as it was read.
    QString GetLineEnd() const { return m_lineEnd; }
    // The file's name, or "Untitled" for a new document.
    QString GetTitle() const;
    bool IsModified() const;

    // Files larger than this are refused rather than loaded into the view.
    static constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

signals:
    void modifiedChanged(bool modified);
    void pathNameChanged(const QString& pathName);
    // Damaged bytes were replaced while the file was read, or its bytes fit
    // no encoding and were read as UTF-8.
    void loadWarning(const QString& message);
    // While a file is opened: 0 before it is read, then the percentage of
    // its text in the view, 100 once it is all in or the open has failed.
    void loadProgress(const QString& fileName, int percent);
    // News that leaves the status bar after a few seconds: the first save of
    // a file read as UTF-16 wrote it as UTF-8.
    void passingStatusMessage(const QString& text);

private:
    void SetPathName(const QString& path);

    CQuillmark2View& m_view;
    QString m_pathName;
    QString m_lineEnd = QStringLiteral("\r\n");
    FileWatch m_fileWatch;
    // Until the first save, which writes UTF-8 and says so.
    bool m_readAsUtf16 = false;
};
