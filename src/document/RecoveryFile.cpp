#include "RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

// A copy is one line of JSON that says what the copy is, then the text's
// UTF-16 code units, little-endian.
namespace {
const QString formatName = QStringLiteral("Quillmark recovery copy");
const QString textEncoding = QStringLiteral("UTF-16LE, CR LF");
}

QString RecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

bool WriteRecoveryFile(const QString& file, const RecoveryRecord& record)
{
    const QJsonObject header { { "format", formatName }, { "path", record.path },
        { "written", record.written.toUTC().toString(Qt::ISODateWithMs) }, { "text", textEncoding } };
    QByteArray bytes = QJsonDocument(header).toJson(QJsonDocument::Compact);
    bytes += '\n';
    const qsizetype start = bytes.size();
    bytes.resize(start + record.wholeText.size() * 2);
    qToLittleEndian<char16_t>(record.wholeText.utf16(), record.wholeText.size(), bytes.data() + start);

    QSaveFile copy(file);
    return copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size() && copy.commit();
}

std::optional<RecoveryRecord> ReadRecoveryFile(const QString& file)
{
    QFile copy(file);
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = copy.readAll();
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (lineEnd < 0 || (bytes.size() - lineEnd - 1) % 2 != 0)
        return std::nullopt;
    const QJsonObject header = QJsonDocument::fromJson(bytes.left(lineEnd)).object();
    if (header.value("format").toString() != formatName || header.value("text").toString() != textEncoding)
        return std::nullopt;

    RecoveryRecord record;
    record.path = header.value("path").toString();
    record.written = QDateTime::fromString(header.value("written").toString(), Qt::ISODateWithMs);
    QString text((bytes.size() - lineEnd - 1) / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.constData() + lineEnd + 1, text.size(), text.data());
    record.wholeText = text;
    return record;
}
