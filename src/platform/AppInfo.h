#pragma once

#include <QString>

// Names under which the application presents itself and keeps its settings.
namespace AppInfo {
inline const QString applicationName = QStringLiteral("Quillmark");
inline const QString organizationName = QStringLiteral("Quillmark");
inline const QString versionText = QStringLiteral("1.0");
inline const QString fileVersion = QStringLiteral("1.0.0.1");
}
