#pragma once

#include <QByteArrayView>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

// Watches the open file for what other programs do to it. The file as the
// editor last read or wrote it is kept as its system stamp (size, times, which
// file it is) and a hash of its content, so that a change notice caused by our
// own save is no change, and a replacement the notices missed still shows when
// it is compared before a save: by its content, since a copy that keeps size
// and time (cp -p, rsync -t) changes neither.
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

    using ContentHash = std::size_t;
    static ContentHash HashOf(QByteArrayView bytes);

    // Watches `path` and takes the file as it is now as the one the editor
    // knows, `contentHash` being the hash of the bytes just read or written
    // (without it the file is read for it); an empty path watches nothing.
    void Watch(const QString& path, std::optional<ContentHash> contentHash = std::nullopt);
    // Takes the file as it is now as the known one, e.g. after the user chose
    // to keep their text over the other program's.
    void AcceptCurrentFile();

    // The file exists and its content is not the one the editor last read or wrote.
    bool ChangedOnDisk() const;

    // While `held` says so, a change is not reported yet but looked at again
    // a moment later, until it may be: a dialog's result must be written into
    // the text it was made for before that text is reloaded.
    void HoldNoticesWhile(std::function<bool()> held);

    // While one lives, the file is being written by the editor itself: notices
    // wait until it is done, and Watch after the save drops them.
    class Pause {
    public:
        explicit Pause(FileWatch& watch)
            : m_watch(watch)
        {
            ++m_watch.m_pauses;
        }
        ~Pause() { --m_watch.m_pauses; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        FileWatch& m_watch;
    };

signals:
    void changedOnDisk();
    void deletedOnDisk();
    // A change is waiting while notices are held; said once per change.
    void changeHeld();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        // Also moved by a copy that sets the modification time back.
        qint64 statusChangedNs = 0;
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const Stamp&) const = default;
    };
    enum class Seen { Same, Changed, Deleted };
    Stamp CurrentStamp() const;
    // What `now` is to the known file; the same content under a new stamp
    // (touched, or written again unchanged) becomes the known stamp.
    Seen Classify(const Stamp& now);
    void Arm();
    void Look();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QString m_path;
    Stamp m_known;
    // Nothing when the file could not be read.
    std::optional<ContentHash> m_knownHash;
    // What was last reported, so that one change is reported once.
    Stamp m_reported;
    // The change last said to be held.
    Stamp m_held;
    std::function<bool()> m_holdWhile;
    int m_pauses = 0;
};
