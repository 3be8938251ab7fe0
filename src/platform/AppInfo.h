#pragma once

#include <QString>

#include <QuillmarkVersion.h>

// Names under which the application presents itself and keeps its settings.
namespace AppInfo {
inline const QString applicationName = QStringLiteral("Quillmark");
inline const QString organizationName = QStringLiteral("Quillmark");
inline const QString versionText = QString::fromLatin1(quillmarkShortVersion);
inline const QString fileVersion = QString::fromLatin1(quillmarkVersion);
}
