#include "RecentFileList.h"

#include "platform/Profile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString section = QStringLiteral("Recent File List");

QString Canonical(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool SameFile(const QString& a, const QString& b)
{
    // Paths that cannot be resolved any more still compare by their clean form.
    return Canonical(a) == Canonical(b);
}
}

void RecentFileList::Add(const QString& path)
{
    Remove(path);
    m_paths.prepend(Canonical(path));
    while (m_paths.size() > Capacity)
        m_paths.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    m_paths.removeIf([&path](const QString& entry) { return SameFile(entry, path); });
}

void RecentFileList::ReadList(const Profile& profile)
{
    m_paths.clear();
    // Entries are added oldest first so that duplicates in a hand-edited
    // profile collapse to their newest place.
    const QStringList stored = profile.GetFileList(section, Capacity);
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        Add(*it);
}

void RecentFileList::WriteList(Profile& profile) const
{
    profile.WriteFileList(section, m_paths);
}

QString RecentFileList::MenuText(int index, const QString& path)
{
    // An ampersand in a file name would otherwise turn into a mnemonic.
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
