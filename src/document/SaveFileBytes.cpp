#include "SaveFileBytes.h"

#include "SaveCopy.h"
#include "core/file/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

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
bool WriteAndCommit(QSaveFile& file, QByteArrayView bytes, QString& reason)
{
    errno = 0;
    bool written = file.write(bytes.data(), bytes.size()) == bytes.size();
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

} // namespace

bool SaveFileBytes(const QString& path, QByteArrayView bytes, const QString& backupFolder, QString& reason)
{
    const std::string name = QFile::encodeName(path).toStdString();
    // What a save killed part way left beside the file goes, as the command
    // line's --write removes it too.
    RemoveAbandonedTemporaries(name);
    const std::string_view contents(bytes.data(), static_cast<std::size_t>(bytes.size()));
    std::string error;
    const SaveOutcome outcome = SaveFileSafely(
        name, [contents](int fd) { return WriteAllBytes(fd, contents); }, error);
    if (outcome == SaveOutcome::Saved)
        return true;
    reason = QString::fromLocal8Bit(error);
    if (outcome == SaveOutcome::Failed || !QFileInfo(path).isFile())
        return false;
    KeptCopy copy(path, backupFolder);
    if (copy.CopyPath().isEmpty())
        return false; // without a copy an in-place write could lose the file
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!OpenForWriting(file, reason)) {
        copy.Remove(); // the file was not touched
        return false;
    }
    if (WriteAndCommit(file, bytes, reason)) {
        copy.Remove();
        return true;
    }
    if (copy.PutBack())
        copy.Remove();
    else
        reason += QStringLiteral("; the file's former contents are kept in %1")
                      .arg(QDir::toNativeSeparators(copy.CopyPath()));
    return false;
}
