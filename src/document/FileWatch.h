#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches the open file for what other programs do to it. The file as the
// editor last read or wrote it is kept as its size and modification time, so
// that a change notice caused by our own save is no change, and a replacement
// the notices missed still shows when it is compared before a save.
//
// Programs like git replace a file by renaming another over it, after which the
// system watches nothing at that path; the path is then watched again, and its
// folder is watched too, so that a file that comes back is noticed. Notices
// come in bursts while a program writes, so they are looked at once things
// have been quiet for a moment.
class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(QObject* parent = nullptr);

    // Watches `path` and takes the file as it is now as the one the editor
    // knows; an empty path watches nothing.
    void Watch(const QString& path);
    // Takes the file as it is now as the known one, e.g. after the user chose
    // to keep their text over the other program's.
    void AcceptCurrentFile();

    // The file exists and is not the one the editor last read or wrote.
    bool ChangedOnDisk() const;
    // The file the editor knew is gone.
    bool DeletedOnDisk() const;

signals:
    void changedOnDisk();
    void deletedOnDisk();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    Stamp CurrentStamp() const;
    void Arm();
    void Look();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QString m_path;
    Stamp m_known;
    // What was last reported, so that one change is reported once.
    Stamp m_reported;
};
