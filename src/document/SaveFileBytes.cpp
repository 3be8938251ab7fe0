#include "SaveFileBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

// Qt's reason for the last failure of `file`, or the system's when Qt has none
// of its own: a write that fails on a full disk, for one, leaves "Unknown error".
QString Reason(const QFileDevice& file, int systemError)
{
    const QString qtReason = file.errorString();
    if (systemError != 0 && (qtReason.isEmpty() || qtReason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return qtReason;
}

// Writes all of `bytes` and commits; on failure the reason, with the system's
// error taken at the moment of failure, before anything else can change it.
bool WriteAndCommit(QSaveFile& file, const QByteArray& bytes, QString& reason)
{
    errno = 0;
    bool written = file.write(bytes) == bytes.size();
    if (written)
        written = file.commit();
    if (written)
        return true;
    reason = Reason(file, errno);
    file.cancelWriting();
    return false;
}

bool OpenForWriting(QSaveFile& file, QString& reason)
{
    errno = 0;
    if (file.open(QIODevice::WriteOnly))
        return true;
    reason = Reason(file, errno);
    return false;
}

// A copy of the file's bytes in `folder`, written whole or not at all; its path,
// or an empty string when it could not be made.
QString KeepCopy(const QString& path, const QString& folder)
{
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly) || !QDir().mkpath(folder))
        return QString();
    const QByteArray old = original.readAll();
    if (original.error() != QFileDevice::NoError)
        return QString();
    const QString copyPath = QDir(folder).filePath(
        QStringLiteral("%1.%2.old").arg(QFileInfo(path).fileName()).arg(QDateTime::currentMSecsSinceEpoch()));
    QSaveFile copy(copyPath);
    QString ignored;
    if (!OpenForWriting(copy, ignored) || !WriteAndCommit(copy, old, ignored))
        return QString();
    return copyPath;
}

bool PutBack(const QString& copyPath, const QString& path)
{
    QFile copy(copyPath);
    if (!copy.open(QIODevice::ReadOnly))
        return false;
    const QByteArray old = copy.readAll();
    QFile file(path);
    return copy.error() == QFileDevice::NoError && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(old) == old.size() && file.flush();
}

} // namespace

bool SaveFileBytes(const QString& path, const QByteArray& bytes, const QString& backupFolder, QString& reason)
{
    {
        QSaveFile file(path);
        if (OpenForWriting(file, reason))
            return WriteAndCommit(file, bytes, reason);
    }

    if (!QFileInfo(path).isFile())
        return false;
    const QString copyPath = KeepCopy(path, backupFolder);
    if (copyPath.isEmpty())
        return false; // without a copy an in-place write could lose the file
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!OpenForWriting(file, reason)) {
        QFile::remove(copyPath); // the file was not touched
        return false;
    }
    if (WriteAndCommit(file, bytes, reason)) {
        QFile::remove(copyPath);
        return true;
    }
    if (PutBack(copyPath, path))
        QFile::remove(copyPath);
    else
        reason += QStringLiteral("; the file's former contents are kept in %1")
                      .arg(QDir::toNativeSeparators(copyPath));
    return false;
}
