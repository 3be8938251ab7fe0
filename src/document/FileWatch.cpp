#include "FileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace {
// Long enough for a program's truncate-and-write to be over, short enough to
// feel immediate.
constexpr int quietMilliseconds = 200;

// The hash goes over pieces of this size, so that a file is hashed as it is
// read, without holding all of it.
constexpr qsizetype hashPiece = 1 << 20;
constexpr FileWatch::ContentHash firstSeed = 1;

qint64 Nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<FileWatch::ContentHash> HashOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray piece(hashPiece, Qt::Uninitialized);
    FileWatch::ContentHash hash = firstSeed;
    for (;;) {
        qint64 filled = 0;
        while (filled < hashPiece) {
            const qint64 read = file.read(piece.data() + filled, hashPiece - filled);
            if (read < 0)
                return std::nullopt;
            if (read == 0)
                break;
            filled += read;
        }
        if (filled > 0)
            hash = qHash(QByteArrayView(piece.constData(), filled), hash);
        if (filled < hashPiece)
            return hash;
    }
}
} // namespace

FileWatch::FileWatch(QObject* parent)
    : QObject(parent)
    , m_quiet(this)
{
    // By this name the tests find the timer and set it off rather than wait.
    m_quiet.setObjectName(QStringLiteral("fileWatchQuiet"));
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMilliseconds);
    connect(&m_quiet, &QTimer::timeout, this, &FileWatch::Look);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_quiet.start(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // Files beside ours come and go; only ours counts.
        if (CurrentStamp() != m_reported)
            m_quiet.start();
    });
}

FileWatch::ContentHash FileWatch::HashOf(QByteArrayView bytes)
{
    ContentHash hash = firstSeed;
    for (qsizetype at = 0; at < bytes.size(); at += hashPiece)
        hash = qHash(bytes.sliced(at, std::min(hashPiece, bytes.size() - at)), hash);
    return hash;
}

void FileWatch::Watch(const QString& path, std::optional<ContentHash> contentHash)
{
    m_path = path;
    m_known = CurrentStamp();
    m_knownHash = contentHash || !m_known.exists ? contentHash : HashOfFile(path);
    m_reported = m_known;
    m_held = m_known;
    m_quiet.stop();
    Arm();
}

void FileWatch::AcceptCurrentFile()
{
    m_known = CurrentStamp();
    m_knownHash = m_known.exists ? HashOfFile(m_path) : std::nullopt;
    m_reported = m_known;
}

bool FileWatch::ChangedOnDisk() const
{
    const Stamp now = CurrentStamp();
    if (!now.exists)
        return false;
    if (!m_known.exists || now.size != m_known.size)
        return true;
    // Size and times can all be kept by a copy, so the content decides.
    const std::optional<ContentHash> hash = HashOfFile(m_path);
    if (!hash || !m_knownHash)
        return now != m_known;
    return *hash != *m_knownHash;
}

bool FileWatch::DeletedOnDisk() const
{
    return m_known.exists && !CurrentStamp().exists;
}

void FileWatch::HoldNoticesWhile(std::function<bool()> held)
{
    m_holdWhile = std::move(held);
}

FileWatch::Stamp FileWatch::CurrentStamp() const
{
    struct stat status { };
    if (m_path.isEmpty() || ::stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return {};
    return { true, qint64(status.st_size), Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim),
        quint64(status.st_dev), quint64(status.st_ino) };
}

FileWatch::Seen FileWatch::Classify(const Stamp& now)
{
    if (now == m_known)
        return Seen::Same;
    if (!now.exists)
        return m_known.exists ? Seen::Deleted : Seen::Same;
    if (m_known.exists && m_knownHash && now.size == m_known.size && HashOfFile(m_path) == m_knownHash) {
        m_known = now;
        return Seen::Same;
    }
    return Seen::Changed;
}

void FileWatch::Arm()
{
    // A file replaced by a rename is a new file at the same path: it must be
    // watched afresh, so every path is dropped and added again.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    if (m_path.isEmpty())
        return;
    const QFileInfo info(m_path);
    m_watcher.addPath(info.absolutePath());
    if (info.exists())
        m_watcher.addPath(m_path);
}

void FileWatch::Look()
{
    if (m_pauses > 0) {
        m_quiet.start();
        return;
    }
    Arm();
    const Stamp now = CurrentStamp();
    if (now == m_reported)
        return;
    if (m_holdWhile && m_holdWhile()) {
        if (now != m_held) {
            m_held = now;
            if (Classify(now) != Seen::Same)
                emit changeHeld();
        }
        m_quiet.start();
        return;
    }
    m_reported = now;
    switch (Classify(now)) {
    case Seen::Changed:
        emit changedOnDisk();
        break;
    case Seen::Deleted:
        emit deletedOnDisk();
        break;
    case Seen::Same:
        break;
    }
}
