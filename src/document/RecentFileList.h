#pragma once

#include <QString>
#include <QStringList>

class Profile;

// The most recently opened or saved files, newest first, at most `Capacity`.
// Paths are compared as the file system names them, so one file never holds
// two places in the list.
class RecentFileList {
public:
    static constexpr int Capacity = 8;

    // Puts `path` first, removing an older entry of the same file and the
    // oldest one beyond the capacity.
    void Add(const QString& path);
    // Forgets `path`, e.g. after it could not be opened.
    void Remove(const QString& path);
    const QStringList& Paths() const { return m_paths; }

    // The list lives in the profile beside the settings.
    void ReadList(const Profile& profile);
    void WriteList(Profile& profile) const;

    // "&1 name" for entry 0: the menu text of an entry, with its mnemonic.
    static QString MenuText(int index, const QString& path);

private:
    QStringList m_paths;
};
