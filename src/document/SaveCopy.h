#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// A file whose folder lets no temporary file be made beside it is saved by
// writing it in place, after a copy of its former bytes has been kept in the
// user's application data together with the file's path. The copy goes once
// the save is over; one that is left means the editor ended in the middle of
// such a save, the file possibly cut short, and the next start offers to put
// the former bytes back.

// Where the copies live: a folder of the user's application data.
QString SaveCopyFolder();

// A lock on `path` held until it is dropped or this process ends, however
// it ends; nothing when another running process holds it. A lock is stale
// only when its process is gone, never by its age: an editor may keep a
// document open for days.
std::unique_ptr<QLockFile> LockWhileRunning(const QString& path);

// The copy of one save, locked while the save goes on, so that an editor
// started meanwhile does not take it for one left behind.
class KeptCopy {
public:
    // Copies the bytes of the file at `path` into `folder`, whole or not at
    // all.
    KeptCopy(const QString& path, const QString& folder);
    // Unlocks the copy; the copy itself stays unless removed.
    ~KeptCopy();
    KeptCopy(const KeptCopy&) = delete;
    KeptCopy& operator=(const KeptCopy&) = delete;

    // Empty when the copy could not be made.
    QString CopyPath() const { return m_copyPath; }
    // Writes the former bytes back over the file, in place.
    bool PutBack() const;
    void Remove();

private:
    QString m_path;
    QString m_copyPath;
    std::unique_ptr<QLockFile> m_lock;
};

// What a copy holds: the file it was kept of and that file's former bytes.
struct SaveCopy {
    QString path;
    QByteArray bytes;
};
// Nothing when the file is missing, cut short or not such a copy.
std::optional<SaveCopy> ReadSaveCopy(const QString& copyFile);

// The name pattern of the copies, and the lock beside each.
inline const QString saveCopyPattern = QStringLiteral("*.old");
QString SaveCopyLockPath(const QString& copyFile);
