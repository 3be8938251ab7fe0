#include "RecoveryCopy.h"

#include "CQuillmark2Doc.h"
#include "RecoveryFile.h"
#include "SaveCopy.h"
#include "SaveFileBytes.h"
#include "editor/CQuillmark2View.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {
const QString copySuffix = QStringLiteral(".recovery");
const QString lockSuffix = QStringLiteral(".lock");

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString Question(const RecoveryRecord& record)
{
    const QString file = record.path.isEmpty() ? QStringLiteral("an untitled document") : Shown(record.path);
    return QStringLiteral("Quillmark did not end normally. A recovery copy of %1, written on %2, holds "
                          "changes that were not saved. Restore them?")
        .arg(file, record.written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd 'at' HH:mm:ss")));
}

// Moves a copy that cannot be read into the folder "damaged" beside it and
// gives where it is now; where it was, should it not move.
QString KeepAside(const QString& copy)
{
    const QFileInfo file(copy);
    QDir damaged(file.absolutePath());
    if (!damaged.mkpath(QStringLiteral("damaged")) || !damaged.cd(QStringLiteral("damaged")))
        return copy;
    const QString aside = damaged.filePath(file.fileName());
    return QFile::rename(copy, aside) ? aside : copy;
}
}

struct RecoveryCopy::Writing {
    std::unique_ptr<QThread> thread;
    quint64 removals = 0;
    std::atomic<qint64> milliseconds = 0;
};

RecoveryCopy::RecoveryCopy(CQuillmark2Doc& document, CQuillmark2View& view, QWidget* dialogParent)
    : QObject(dialogParent)
    , m_document(document)
    , m_view(view)
    , m_dialogParent(dialogParent)
    , m_timer(this)
{
    // By this name the tests find the timer and set it off rather than wait.
    m_timer.setObjectName(QStringLiteral("recoveryCopyDelay"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::WriteNow);
    connect(&m_view, &QPlainTextEdit::textChanged, this, &RecoveryCopy::Schedule);
    connect(&m_document, &CQuillmark2Doc::modifiedChanged, this, [this](bool modified) {
        if (modified)
            Schedule();
        else
            Remove();
    });
}

RecoveryCopy::~RecoveryCopy()
{
    if (m_writing)
        m_writing->thread->wait();
    Remove();
}

void RecoveryCopy::Schedule()
{
    if (!m_document.IsModified() || m_timer.isActive())
        return;
    // The copy taken next is safe once written: it is taken early by as long
    // as the last one took to write, but not before that one is done.
    m_timer.start(int(std::max(m_lastWriteMilliseconds, delayMilliseconds - m_lastWriteMilliseconds)));
}

void RecoveryCopy::WriteNow()
{
    if (!m_document.IsModified() || !TakeSession())
        return;
    if (m_writing) {
        m_writeAgain = true;
        return;
    }
    RecoveryRecord record { m_document.GetPathName(), QDateTime::currentDateTimeUtc(), QString(),
        m_document.GetLineEnd() };
    m_writing = std::make_unique<Writing>();
    m_writing->removals = m_removals;
    m_writing->thread.reset(QThread::create([text = m_view.SnapshotText(), record = std::move(record),
                                                file = m_file, writing = m_writing.get()]() mutable {
        QElapsedTimer clock;
        clock.start();
        record.wholeText = text.WholeText();
        WriteRecoveryFile(file, record);
        writing->milliseconds = clock.elapsed();
    }));
    connect(m_writing->thread.get(), &QThread::finished, this, &RecoveryCopy::Written);
    m_writing->thread->start();
}

void RecoveryCopy::Written()
{
    m_writing->thread->wait();
    const std::unique_ptr<Writing> done = std::move(m_writing);
    m_lastWriteMilliseconds = done->milliseconds;
    if (done->removals != m_removals)
        QFile::remove(m_file); // the document was saved or discarded meanwhile
    if (m_writeAgain) {
        m_writeAgain = false;
        WriteNow();
    }
}

void RecoveryCopy::Remove()
{
    m_timer.stop();
    ++m_removals;
    if (!m_file.isEmpty())
        QFile::remove(m_file);
}

bool RecoveryCopy::TakeSession()
{
    if (m_lock)
        return true;
    const QDir folder(RecoveryFolder());
    if (!folder.mkpath(QStringLiteral(".")))
        return false;
    const QString base = folder.filePath(QStringLiteral("%1-%2")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(QDateTime::currentMSecsSinceEpoch()));
    m_lock = LockWhileRunning(base + lockSuffix);
    if (!m_lock)
        return false;
    m_file = base + copySuffix;
    return true;
}

void RecoveryCopy::OfferLeftCopies()
{
    OfferLeftSaveCopies();
    const QDir folder(RecoveryFolder());
    const QStringList copies = folder.entryList({ QLatin1Char('*') + copySuffix }, QDir::Files, QDir::Time);
    for (const QString& name : copies) {
        const QString copy = folder.filePath(name);
        if (copy == m_file)
            continue;
        const auto lock = LockWhileRunning(copy.chopped(copySuffix.size()) + lockSuffix);
        if (!lock)
            continue; // its editor is still running
        const auto record = ReadRecoveryFile(copy);
        if (!record) {
            MessageBoxError(QStringLiteral("A recovery copy that Quillmark left could not be read: it is cut "
                                           "short or damaged. It has been kept as %1.")
                                .arg(Shown(KeepAside(copy))),
                m_dialogParent);
            continue;
        }
        const bool restore = MessageBoxAsk(
            Question(*record), QStringLiteral("Restore"), QStringLiteral("Discard"), true, m_dialogParent);
        QFile::remove(copy);
        if (restore) {
            m_document.OnRestoreDocument(record->path, record->wholeText, record->lineEnd);
            return;
        }
    }
}

void RecoveryCopy::OfferLeftSaveCopies()
{
    const QDir folder(SaveCopyFolder());
    for (const QString& name : folder.entryList({ saveCopyPattern }, QDir::Files, QDir::Time)) {
        const QString copy = folder.filePath(name);
        const auto lock = LockWhileRunning(SaveCopyLockPath(copy));
        if (!lock)
            continue; // its save is still going on
        const auto kept = ReadSaveCopy(copy);
        if (!kept) {
            MessageBoxError(
                QStringLiteral("A copy that Quillmark kept of a file while saving it could not be "
                               "read: it is cut short or damaged. It has been kept as %1.")
                    .arg(Shown(KeepAside(copy))),
                m_dialogParent);
            continue;
        }
        const QString question
            = QStringLiteral("The last save of %1 did not finish. Restore the file as it was "
                             "before that save?")
                  .arg(Shown(kept->path));
        if (!MessageBoxAsk(
                question, QStringLiteral("Restore"), QStringLiteral("Discard"), true, m_dialogParent)) {
            QFile::remove(copy);
            continue;
        }
        QString reason;
        if (!SaveFileBytes(kept->path, kept->bytes, folder.path(), reason)) {
            MessageBoxError(QStringLiteral("Cannot restore %1: %2. Its former contents are kept in %3.")
                                .arg(Shown(kept->path), reason, Shown(copy)),
                m_dialogParent);
            continue;
        }
        QFile::remove(copy);
        // The file the editor shows may be the one just put back.
        if (QFileInfo(m_document.GetPathName()) == QFileInfo(kept->path) && !m_document.IsModified())
            m_document.ReloadDocument();
    }
}
