#include "DocumentManager.h"

#include "CQuillmark2Doc.h"
#include "FileDialogs.h"
#include "RecentFileList.h"
#include "UndecodableFileName.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}
}

DocumentManager::DocumentManager(CQuillmark2Doc& document, RecentFileList& recentFiles, QWidget* dialogParent)
    : QObject(dialogParent)
    , m_document(document)
    , m_recentFiles(recentFiles)
    , m_dialogParent(dialogParent)
{
    FileWatch& watch = m_document.GetFileWatch();
    connect(&watch, &FileWatch::changedOnDisk, this, &DocumentManager::OnChangedOnDisk);
    connect(&watch, &FileWatch::deletedOnDisk, this, &DocumentManager::OnDeletedOnDisk);
    connect(&watch, &FileWatch::changeHeld, this, [this] {
        m_changeNoted = true;
        emit statusMessage(QStringLiteral("%1 has been changed by another program; Quillmark will look at it "
                                          "once the dialog is closed.")
                               .arg(Shown(m_document.GetPathName())));
    });
}

bool DocumentManager::SaveModified()
{
    if (!m_document.IsModified())
        return true;
    const QString question = QStringLiteral("Save changes to %1?").arg(m_document.GetTitle());
    switch (MessageBoxYesNoCancel(question, m_dialogParent)) {
    case QMessageBox::Yes:
        return OnFileSave();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool DocumentManager::OnFileNew()
{
    if (!SaveModified())
        return false;
    return NewDocumentWithoutPrompt();
}

bool DocumentManager::NewDocumentWithoutPrompt()
{
    return m_document.OnNewDocument();
}

bool DocumentManager::OpenCommandLineFile(const QString& path)
{
    const QFileInfo file(path);
    // A file whose name Qt cannot give back is refused rather than taken for a new one.
    if (file.exists() || file.isSymLink() || IsUndecodableFileName(path))
        return OpenDocumentFile(path);
    const QDir folder = file.absoluteDir();
    if (!folder.exists()) {
        MessageBoxError(QStringLiteral("Cannot open %1: the folder %2 does not exist.")
                            .arg(Shown(path), Shown(folder.path())),
            m_dialogParent);
        return false;
    }
    if (!SaveModified())
        return false;
    return m_document.OnNewDocument(file.absoluteFilePath());
}

bool DocumentManager::OnFileOpen()
{
    const QString current = m_document.GetPathName();
    const QString folder = current.isEmpty() ? QDir::currentPath() : QFileInfo(current).absolutePath();
    const QString path = AskOpenFileName(m_dialogParent, folder);
    if (path.isEmpty())
        return false;
    return OpenDocumentFile(path);
}

bool DocumentManager::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    if (!m_document.OnOpenDocument(path))
        return false;
    m_recentFiles.Add(path);
    emit recentFilesChanged();
    return true;
}

bool DocumentManager::OpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.Paths().size())
        return false;
    const QString path = m_recentFiles.Paths().at(index);
    if (!SaveModified())
        return false;
    const bool opened = m_document.OnOpenDocument(path);
    if (opened) {
        m_recentFiles.Add(path);
    } else {
        // The document has told the user why; an entry that cannot be opened
        // would only fail again.
        m_recentFiles.Remove(path);
    }
    emit recentFilesChanged();
    return opened;
}

bool DocumentManager::OnFileSave()
{
    const QString path = m_document.GetPathName();
    if (path.isEmpty())
        return OnFileSaveAs();
    return DoSave(path);
}

bool DocumentManager::OnFileSaveAs()
{
    const QString path = AskSaveFileName(m_dialogParent, SuggestedSavePath());
    if (path.isEmpty())
        return false;
    return DoSave(path);
}

bool DocumentManager::DoSave(const QString& path)
{
    // Notices wait until the save is over: the file is about to be compared,
    // and maybe written.
    const FileWatch::Pause saving(m_document.GetFileWatch());
    // The watcher misses some replacements, so the file is compared again now.
    if (path == m_document.GetPathName() && m_document.GetFileWatch().ChangedOnDisk()) {
        const QString question = QStringLiteral("The file %1 has been changed by another program since "
                                                "Quillmark read it. Save over it and lose the other "
                                                "program's changes?")
                                     .arg(Shown(path));
        if (!MessageBoxAsk(
                question, QStringLiteral("Save over it"), QStringLiteral("Cancel"), false, m_dialogParent))
            return false;
    }
    if (!m_document.OnSaveDocument(path))
        return false;
    m_recentFiles.Add(path);
    emit recentFilesChanged();
    return true;
}

QString DocumentManager::SuggestedSavePath() const
{
    const QString current = m_document.GetPathName();
    if (!current.isEmpty())
        return current;
    return QDir::current().filePath(m_document.GetTitle() + featureFileExtension);
}

QString DocumentManager::SuggestedPdfPath() const
{
    const QString current = m_document.GetPathName();
    if (current.isEmpty())
        return QDir::current().filePath(m_document.GetTitle() + QStringLiteral(".pdf"));
    const QFileInfo file(current);
    return file.absoluteDir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

void DocumentManager::ForgetNotedChange()
{
    if (!m_changeNoted)
        return;
    m_changeNoted = false;
    emit statusMessage(QString());
}

void DocumentManager::OnChangedOnDisk()
{
    if (m_askingAboutDisk)
        return;
    ForgetNotedChange();
    if (!m_document.IsModified()) {
        Reload();
        return;
    }
    m_askingAboutDisk = true;
    const QString question
        = QStringLiteral("The file %1 has been changed by another program. Reload it and lose your changes?")
              .arg(Shown(m_document.GetPathName()));
    const bool reload = MessageBoxAsk(
        question, QStringLiteral("Reload"), QStringLiteral("Keep mine"), false, m_dialogParent);
    m_askingAboutDisk = false;
    if (reload)
        Reload();
    else
        m_document.GetFileWatch().AcceptCurrentFile();
}

void DocumentManager::Reload()
{
    if (m_document.ReloadDocument())
        emit passingStatusMessage(QStringLiteral("%1 was changed by another program and has been reloaded.")
                                      .arg(Shown(m_document.GetPathName())));
}

void DocumentManager::OnDeletedOnDisk()
{
    ForgetNotedChange();
    m_document.MarkModified();
    emit statusMessage(QStringLiteral("%1 has been deleted by another program; Save writes it again.")
                           .arg(Shown(m_document.GetPathName())));
}
