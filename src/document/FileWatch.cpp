#include "FileWatch.h"

#include <QFileInfo>

namespace {
// Long enough for a program's truncate-and-write to be over, short enough to
// feel immediate.
constexpr int quietMilliseconds = 200;
}

FileWatch::FileWatch(QObject* parent)
    : QObject(parent)
{
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

void FileWatch::Watch(const QString& path)
{
    m_path = path;
    m_known = CurrentStamp();
    m_reported = m_known;
    m_quiet.stop();
    Arm();
}

void FileWatch::AcceptCurrentFile()
{
    m_known = CurrentStamp();
    m_reported = m_known;
}

bool FileWatch::ChangedOnDisk() const
{
    const Stamp now = CurrentStamp();
    return now.exists && now != m_known;
}

bool FileWatch::DeletedOnDisk() const
{
    return m_known.exists && !CurrentStamp().exists;
}

FileWatch::Stamp FileWatch::CurrentStamp() const
{
    if (m_path.isEmpty())
        return {};
    const QFileInfo info(m_path);
    if (!info.exists())
        return {};
    return { true, info.size(), info.lastModified() };
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
    Arm();
    const Stamp now = CurrentStamp();
    if (now == m_reported)
        return;
    m_reported = now;
    if (now == m_known)
        return; // our own save, or the file is back as we knew it
    if (now.exists)
        emit changedOnDisk();
    else if (m_known.exists)
        emit deletedOnDisk();
}
