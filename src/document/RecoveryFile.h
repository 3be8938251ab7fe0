#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A recovery copy on disk: the text of a modified document with the file it
// belongs to, the line end that file is saved with, and the time it was
// written. The text is kept unit for unit as the view gives it out (UTF-16,
// CR LF line breaks), so that a restored text saves to exactly the bytes the
// user would have saved, whatever it holds (a byte-order mark, U+0000, a lone
// surrogate).
struct RecoveryRecord {
    QString path; // empty for an untitled document
    QDateTime written;
    QString wholeText;
    QString lineEnd = QStringLiteral("\r\n");
};

// Where the copies live: a folder of the user's application data.
QString RecoveryFolder();

// Written whole or not at all, so that a crash while writing leaves the
// previous copy.
bool WriteRecoveryFile(const QString& file, const RecoveryRecord& record);
// Nothing when the file is missing, cut short or not a recovery copy.
std::optional<RecoveryRecord> ReadRecoveryFile(const QString& file);
