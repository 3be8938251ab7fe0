#include "SaveCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

// A copy is one line of JSON that says what the copy is, whose, and how many
// bytes follow, then the file's bytes as they were.
namespace {
const QString formatName = QStringLiteral("Quillmark save copy");
}

QString SaveCopyFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("save-copies"));
}

std::unique_ptr<QLockFile> LockWhileRunning(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString SaveCopyLockPath(const QString& copyFile)
{
    return copyFile + QStringLiteral(".lock");
}

KeptCopy::KeptCopy(const QString& path, const QString& folder)
    : m_path(path)
{
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly) || !QDir().mkpath(folder))
        return;
    const QByteArray old = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return;
    const QString copyPath = QDir(folder).filePath(
        QStringLiteral("%1.%2.old").arg(QFileInfo(path).fileName()).arg(QDateTime::currentMSecsSinceEpoch()));
    m_lock = LockWhileRunning(SaveCopyLockPath(copyPath));
    if (!m_lock)
        return;
    const QJsonObject header { { "format", formatName }, { "path", QFileInfo(path).absoluteFilePath() },
        { "size", old.size() } };
    QSaveFile copy(copyPath);
    if (copy.open(QIODevice::WriteOnly)
        && copy.write(QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n') > 0
        && copy.write(old) == old.size() && copy.commit())
        m_copyPath = copyPath;
}

KeptCopy::~KeptCopy() = default;

bool KeptCopy::PutBack() const
{
    const std::optional<SaveCopy> copy = ReadSaveCopy(m_copyPath);
    QFile file(m_path);
    return copy && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(copy->bytes) == copy->bytes.size() && file.flush();
}

void KeptCopy::Remove()
{
    QFile::remove(m_copyPath);
}

std::optional<SaveCopy> ReadSaveCopy(const QString& copyFile)
{
    QFile copy(copyFile);
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = copy.readAll();
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (copy.error() != QFileDevice::NoError || lineEnd < 0)
        return std::nullopt;
    const QJsonObject header = QJsonDocument::fromJson(bytes.first(lineEnd)).object();
    const QString path = header.value("path").toString();
    bytes.remove(0, lineEnd + 1);
    if (header.value("format").toString() != formatName || path.isEmpty()
        || header.value("size").toInteger(-1) != bytes.size())
        return std::nullopt;
    return SaveCopy { path, bytes };
}
