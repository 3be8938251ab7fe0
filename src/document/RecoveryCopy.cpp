#include "RecoveryCopy.h"

#include "CQuillmark2Doc.h"
#include "RecoveryFile.h"
#include "editor/CQuillmark2View.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>

namespace {
const QString copySuffix = QStringLiteral(".recovery");
const QString lockSuffix = QStringLiteral(".lock");

// A lock is stale only when its process is gone, never by its age: an editor
// may keep a document open for days.
std::unique_ptr<QLockFile> TryLock(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString Question(const RecoveryRecord& record)
{
    const QString file = record.path.isEmpty() ? QStringLiteral("an untitled document")
                                               : QDir::toNativeSeparators(record.path);
    return QStringLiteral("Quillmark did not end normally. A recovery copy of %1, written on %2, holds "
                          "changes that were not saved. Restore them?")
        .arg(file, record.written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd 'at' HH:mm:ss")));
}
}

RecoveryCopy::RecoveryCopy(CQuillmark2Doc& document, CQuillmark2View& view, QWidget* dialogParent)
    : QObject(dialogParent)
    , m_document(document)
    , m_view(view)
    , m_dialogParent(dialogParent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMilliseconds);
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
    Remove();
}

void RecoveryCopy::Schedule()
{
    if (m_document.IsModified() && !m_timer.isActive())
        m_timer.start();
}

void RecoveryCopy::WriteNow()
{
    if (!m_document.IsModified() || !TakeSession())
        return;
    WriteRecoveryFile(
        m_file, { m_document.GetPathName(), QDateTime::currentDateTimeUtc(), m_view.WholeText() });
}

void RecoveryCopy::Remove()
{
    m_timer.stop();
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
    m_lock = TryLock(base + lockSuffix);
    if (!m_lock)
        return false;
    m_file = base + copySuffix;
    return true;
}

void RecoveryCopy::OfferLeftCopies()
{
    const QDir folder(RecoveryFolder());
    const QStringList copies = folder.entryList({ QLatin1Char('*') + copySuffix }, QDir::Files, QDir::Time);
    for (const QString& name : copies) {
        const QString copy = folder.filePath(name);
        if (copy == m_file)
            continue;
        const auto lock = TryLock(copy.chopped(copySuffix.size()) + lockSuffix);
        if (!lock)
            continue; // its editor is still running
        const auto record = ReadRecoveryFile(copy);
        const bool restore = record
            && MessageBoxAsk(Question(*record), QStringLiteral("Restore"), QStringLiteral("Discard"), true,
                m_dialogParent);
        QFile::remove(copy);
        if (restore) {
            m_document.OnRestoreDocument(record->path, record->wholeText);
            return;
        }
    }
}
