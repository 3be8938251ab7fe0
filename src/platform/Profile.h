#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

// The user's settings profile: integers, strings and the recent-file list under
// a section and an entry, each read with a default. Values are taken as stored;
// no range check is made here, that is the reader's business.
//
// Everything lives in QSettings(organization, application): the registry on
// Windows, an INI file under the user's config folder elsewhere.
class Profile {
public:
    Profile(const QString& organization, const QString& application);

    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue) const;
    void WriteProfileInt(const QString& section, const QString& entry, int value);
    void WriteProfileString(const QString& section, const QString& entry, const QString& value);
    // Opaque bytes, such as a window's saved geometry; empty when missing.
    QByteArray GetProfileBinary(const QString& section, const QString& entry) const;
    void WriteProfileBinary(const QString& section, const QString& entry, const QByteArray& value);

    // Entries "File1".."FileN" of `section`; missing and empty entries are left out.
    QStringList GetFileList(const QString& section, int maxEntries) const;
    // Rewrites the section so that it holds exactly the given paths in order.
    void WriteFileList(const QString& section, const QStringList& paths);

    // Pushes pending writes to disk; true when the store took them.
    bool Flush();

private:
    mutable QSettings m_settings;
};
