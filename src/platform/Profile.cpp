#include "Profile.h"

namespace {
QString Key(const QString& section, const QString& entry)
{
    return section + QLatin1Char('/') + entry;
}
}

Profile::Profile(const QString& organization, const QString& application)
    : m_settings(organization, application)
{
}

int Profile::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const QVariant value = m_settings.value(Key(section, entry));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited file may hold text where a number belongs; such an entry
    // counts as missing rather than as zero.
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

QString Profile::GetProfileString(
    const QString& section, const QString& entry, const QString& defaultValue) const
{
    const QVariant value = m_settings.value(Key(section, entry));
    return value.isValid() ? value.toString() : defaultValue;
}

void Profile::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    m_settings.setValue(Key(section, entry), value);
}

void Profile::WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    m_settings.setValue(Key(section, entry), value);
}

QByteArray Profile::GetProfileBinary(const QString& section, const QString& entry) const
{
    return m_settings.value(Key(section, entry)).toByteArray();
}

void Profile::WriteProfileBinary(const QString& section, const QString& entry, const QByteArray& value)
{
    m_settings.setValue(Key(section, entry), value);
}

QStringList Profile::GetFileList(const QString& section, int maxEntries) const
{
    QStringList paths;
    for (int i = 1; i <= maxEntries; ++i) {
        const QString path = m_settings.value(Key(section, QStringLiteral("File%1").arg(i))).toString();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

void Profile::WriteFileList(const QString& section, const QStringList& paths)
{
    m_settings.remove(section);
    for (int i = 0; i < paths.size(); ++i)
        m_settings.setValue(Key(section, QStringLiteral("File%1").arg(i + 1)), paths[i]);
}

bool Profile::Flush()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
