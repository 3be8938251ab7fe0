#include "CQuillmark2Doc.h"

#include "SaveCopy.h"
#include "SaveFileBytes.h"
#include "UndecodableFileName.h"

#include "core/LineBreaks.h"
#include "core/file/FeatureFileCodec.h"
#include "core/file/LineEnd.h"
#include "editor/CQuillmark2View.h"
#include "editor/ProblemMarks.h"
#include "platform/MessageBox.h"
#include "platform/OffInterfaceThread.h"
#include "platform/ReleasedMemory.h"
#include "platform/StringConvert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <utility>

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

CQuillmark2Doc::CQuillmark2Doc(CQuillmark2View& view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    connect(&m_view, &CQuillmark2View::modifiedFlagChanged, this, &CQuillmark2Doc::modifiedChanged);
}

bool CQuillmark2Doc::OnNewDocument(const QString& pathName)
{
    m_view.LoadText(QString());
    m_lineEnd = QStringLiteral("\r\n");
    m_readAsUtf16 = false;
    SetPathName(pathName);
    m_fileWatch.Watch(pathName);
    return true;
}

bool CQuillmark2Doc::OnOpenDocument(const QString& path)
{
    QWidget* parent = m_view.window();
    const QFileInfo info(path);
    if (IsUndecodableFileName(path)) {
        MessageBoxError(QStringLiteral("Cannot open %1: the name of the file is not valid UTF-8. Rename the "
                                       "file to open it.")
                            .arg(Shown(path)),
            parent);
        return false;
    }
    if (info.isDir()) {
        MessageBoxError(
            QStringLiteral("Cannot open %1: it is a folder, not a file.").arg(Shown(path)), parent);
        return false;
    }
    if (info.exists() && info.size() > maxFileBytes) {
        MessageBoxError(
            QStringLiteral("Cannot open %1: the file holds %2 MB, more than the %3 MB the editor opens.")
                .arg(Shown(path))
                .arg((info.size() + 1024 * 1024 - 1) / (1024 * 1024))
                .arg(maxFileBytes / (1024 * 1024)),
            parent);
        return false;
    }

    const QString fileName = info.fileName();
    emit loadProgress(fileName, 0);
    std::string bytes;
    std::string error;
    if (!ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, error, maxFileBytes)) {
        emit loadProgress(fileName, 100);
        MessageBoxError(
            QStringLiteral("Cannot open %1: %2.").arg(Shown(path), QString::fromLocal8Bit(error.c_str())),
            parent);
        return false;
    }
    const FileWatch::ContentHash contentHash
        = FileWatch::HashOf(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    // The bytes go as they are decoded, and the text as it goes into the
    // view: the whole text is never held beside all the bytes or beside the
    // view's text. A large one is checked for problems while it is whole, as
    // the check would otherwise copy it out of the view once it is in.
    constexpr std::size_t pieceBytes = 1 << 20;
    const std::size_t totalBytes = bytes.size();
    const auto percent = [totalBytes](std::size_t done) {
        return static_cast<int>(100 * done / std::max<std::size_t>(totalBytes, 1));
    };
    std::u16string text;
    // A UTF-8 file has no more characters than bytes, a UTF-16 file half as
    // many: the text never moves while it grows.
    text.reserve(totalBytes);
    FirstLineEndFinder lineEnd;
    const DecodedFeatureFile decoded
        = DecodeFeatureFile(bytes, pieceBytes, [&](std::u16string_view piece, std::size_t bytesLeft) {
              lineEnd.See(piece);
              text += piece;
              ForgetPagesBefore(bytes.data(), totalBytes - bytesLeft);
              emit loadProgress(fileName, percent(totalBytes - bytesLeft) / 2);
          });
    // Assigning an empty string would keep the memory.
    std::string().swap(bytes);
    ProblemMarks::Found found;
    if (text.size() > ProblemMarks::PAUSE_LENGTH) {
        found = m_view.problems().CheckBeforeLoad(text);
        ReturnFreeHeapPages();
    }
    m_view.LoadText(
        [&](const TextControl::Append& append) {
            constexpr std::size_t piece = 1 << 20;
            for (std::size_t done = 0; done < text.size(); done += piece) {
                const std::size_t length = std::min(piece, text.size() - done);
                append(QStringView(text.data() + done, qsizetype(length)));
                ForgetPagesBefore(text.data(), (done + length) * sizeof(char16_t));
                emit loadProgress(fileName, 50 + static_cast<int>(50 * (done + length) / text.size()));
            }
            std::u16string().swap(text);
        },
        qsizetype(text.size()));
    if (found.dialect)
        m_view.problems().ShowFound(std::move(found));
    m_lineEnd = toQString(std::u16string(lineEnd.LineEnd()));
    emit loadProgress(fileName, 100);
    SetPathName(path);
    m_fileWatch.Watch(path, contentHash);
    m_readAsUtf16 = decoded.encoding != FeatureFileEncoding::Utf8;
    if (decoded.replacedSequences > 0)
        emit loadWarning(
            QStringLiteral("%1 invalid byte sequences in %2 were replaced by U+FFFD; saving will "
                           "write U+FFFD in their place.")
                .arg(decoded.replacedSequences)
                .arg(info.fileName()));
    if (decoded.unrecognisedEncoding)
        emit loadWarning(QStringLiteral("%1 is neither UTF-8 nor UTF-16 text: it holds zero bytes and was "
                                        "read as UTF-8. Saving will write the text as shown, as UTF-8, "
                                        "over the file.")
                             .arg(info.fileName()));
    return true;
}

bool CQuillmark2Doc::OnSaveDocument(const QString& path)
{
    const TextSnapshot text = m_view.SnapshotText();
    const std::u16string lineEnd = toU16(m_lineEnd);
    const QString copies = SaveCopyFolder();
    bool saved = false;
    QString reason;
    QString controlText;
    FileWatch::ContentHash contentHash = 0;
    {
        const FileWatch::Pause ownSave(m_fileWatch);
        RunOffInterfaceThread([&] {
            controlText = text.ControlText();
            const std::string encoded = EncodeWithLineEnds(
                std::u16string_view(QStringView(controlText).utf16(), controlText.size()), PARAGRAPH_MARK,
                lineEnd);
            const QByteArrayView bytes(encoded.data(), qsizetype(encoded.size()));
            contentHash = FileWatch::HashOf(bytes);
            saved = SaveFileBytes(path, bytes, copies, reason);
        });
    }
    if (!saved) {
        MessageBoxError(QStringLiteral("Cannot save %1: %2.").arg(Shown(path), reason), m_view.window());
        return false;
    }

    m_view.SetBaselineToSavedText(text, controlText);
    SetPathName(path);
    m_fileWatch.Watch(path, contentHash);
    if (std::exchange(m_readAsUtf16, false))
        emit passingStatusMessage(QStringLiteral("%1 was read as UTF-16 and has been saved as UTF-8.")
                                      .arg(QFileInfo(path).fileName()));
    return true;
}

bool CQuillmark2Doc::ReloadDocument()
{
    const int line = m_view.CaretLine();
    if (!OnOpenDocument(m_pathName))
        return false;
    TextControl& control = m_view.control();
    const int start = control.LineIndex(std::min(line, control.GetLineCount() - 1));
    control.SetSel(start, start);
    m_view.ensureCursorVisible();
    return true;
}

void CQuillmark2Doc::OnRestoreDocument(const QString& path, const QString& wholeText, const QString& lineEnd)
{
    m_view.LoadText(wholeText);
    m_lineEnd = lineEnd;
    m_readAsUtf16 = false;
    SetPathName(path);
    m_fileWatch.Watch(path);
    m_view.MarkModifiedUntilSaved();
}

void CQuillmark2Doc::MarkModified()
{
    m_view.MarkModifiedUntilSaved();
}

QString CQuillmark2Doc::GetTitle() const
{
    return m_pathName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_pathName).fileName();
}

bool CQuillmark2Doc::IsModified() const
{
    return m_view.IsTextModified();
}

void CQuillmark2Doc::SetPathName(const QString& path)
{
    if (path == m_pathName)
        return;
    m_pathName = path;
    emit pathNameChanged(path);
}
