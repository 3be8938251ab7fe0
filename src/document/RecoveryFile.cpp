#include "RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>

// A copy is one line of JSON that says what the copy is, then the text's
// UTF-16 code units, little-endian; the header counts them, so that a copy cut
// short is known as such.
namespace {
const QString formatName = QStringLiteral("Quillmark recovery copy");
const QString textEncoding = QStringLiteral("UTF-16LE, CR LF");
// A large text is written a piece at a time, not copied whole into bytes first.
constexpr qsizetype unitsPerPiece = 1 << 19;

bool IsLineEnd(const QString& end)
{
    return end == u"\r\n" || end == u"\n" || end == u"\r";
}
}

QString RecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

bool WriteRecoveryFile(const QString& file, const RecoveryRecord& record)
{
    const QJsonObject header { { "format", formatName }, { "path", record.path },
        { "written", record.written.toUTC().toString(Qt::ISODateWithMs) }, { "text", textEncoding },
        { "length", record.wholeText.size() }, { "lineEnd", record.lineEnd } };
    QSaveFile copy(file);
    if (!copy.open(QIODevice::WriteOnly)
        || copy.write(QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n') <= 0)
        return false;
    QByteArray piece;
    for (qsizetype at = 0; at < record.wholeText.size(); at += unitsPerPiece) {
        const qsizetype units = std::min(unitsPerPiece, record.wholeText.size() - at);
        piece.resize(units * 2);
        qToLittleEndian<char16_t>(record.wholeText.utf16() + at, units, piece.data());
        if (copy.write(piece) != piece.size())
            return false;
    }
    return copy.commit();
}

std::optional<RecoveryRecord> ReadRecoveryFile(const QString& file)
{
    QFile copy(file);
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = copy.readAll();
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (copy.error() != QFileDevice::NoError || lineEnd < 0 || (bytes.size() - lineEnd - 1) % 2 != 0)
        return std::nullopt;
    const QJsonObject header = QJsonDocument::fromJson(bytes.left(lineEnd)).object();
    if (header.value("format").toString() != formatName || header.value("text").toString() != textEncoding)
        return std::nullopt;
    const qsizetype units = (bytes.size() - lineEnd - 1) / 2;
    // Copies of earlier versions count nothing and name no line end.
    if (header.contains("length") && header.value("length").toInteger(-1) != units)
        return std::nullopt;

    RecoveryRecord record;
    record.path = header.value("path").toString();
    record.written = QDateTime::fromString(header.value("written").toString(), Qt::ISODateWithMs);
    QString text(units, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.constData() + lineEnd + 1, text.size(), text.data());
    record.wholeText = text;
    if (const QString end = header.value("lineEnd").toString(); IsLineEnd(end))
        record.lineEnd = end;
    return record;
}
