#include "UndecodableFileName.h"

#include <QByteArray>
#include <QChar>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

bool IsUndecodableFileName(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(QChar::ReplacementCharacter) || info.exists() || info.isSymLink())
        return false;
    // The folder's own names, as bytes, tell the file apart from a name that
    // holds U+FFFD itself.
    const QByteArray encoded = QFile::encodeName(name);
    std::error_code failure;
    for (std::filesystem::directory_iterator
             entry(QFile::encodeName(info.absolutePath()).toStdString(), failure),
         end;
         !failure && entry != end; entry.increment(failure)) {
        const QByteArray real = QByteArray::fromStdString(entry->path().filename().native());
        if (real != encoded && QFile::decodeName(real) == name)
            return true;
    }
    return false;
}
