#pragma once

#include <QObject>
#include <QString>

#include <cstddef>

class CQuillmark2View;

// The open feature file. It holds no text: the text lives in the view, and the
// document moves it between the view and the file (read as UTF-8 or UTF-16,
// written as UTF-8 with CR LF line breaks). Failures are shown in a message
// box naming the file and the reason, and never touch the text or the file.
class CQuillmark2Doc : public QObject {
    Q_OBJECT
public:
    explicit CQuillmark2Doc(QObject* parent = nullptr);

    // The one view. Its modified state becomes the document's.
    void SetView(CQuillmark2View* view);
    CQuillmark2View* GetView() const { return m_view; }

    // An empty text, which the view's initial update fills with the template.
    bool OnNewDocument();
    // Reads, decodes and shows the file, then runs the view's initial update.
    // On failure shows the reason and returns false, the current text untouched.
    bool OnOpenDocument(const QString& path);
    // Writes the view's text as UTF-8; the old file stays whole unless the new
    // one was written in full. On failure shows the reason and returns false.
    bool OnSaveDocument(const QString& path);

    QString GetPathName() const { return m_pathName; }
    // The file's name, or "Untitled" for a new document.
    QString GetTitle() const;
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified);
    // Invalid byte sequences replaced by U+FFFD when the file was last opened.
    std::size_t ReplacedSequencesOnLoad() const { return m_replacedSequences; }

    // Files larger than this are refused rather than loaded into the view.
    static constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

signals:
    void modifiedChanged(bool modified);
    void pathNameChanged(const QString& pathName);
    void loadWarning(const QString& message);

private:
    void SetPathName(const QString& path);

    CQuillmark2View* m_view = nullptr;
    QString m_pathName;
    bool m_modified = false;
    std::size_t m_replacedSequences = 0;
};
