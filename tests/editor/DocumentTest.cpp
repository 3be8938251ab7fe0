#include "ViewTestSupport.h"

#include "app/CQuillmark2Doc.h"
#include "core/file/FeatureFileCodec.h"
#include "support/Corpus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class Document : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        document.SetView(&view);
    }

    QString PathOf(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    CQuillmark2Doc document;
};

TEST_F(Document, EveryCorpusFileOpensAndSavesWithoutLosingACharacter)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const QByteArray original = ReadBytes(QString::fromStdString(path.string()));
        // The same file with CR LF line ends must come back byte for byte.
        QString text = QString::fromUtf8(original);
        text.replace(QRegularExpression(QStringLiteral("\r\n|\r|\n")), QStringLiteral("\r\n"));
        const QByteArray crlf = text.toUtf8();
        const QString input = PathOf(QStringLiteral("in.feature"));
        WriteBytes(input, crlf);

        ASSERT_TRUE(document.OnOpenDocument(input));
        EXPECT_EQ(document.ReplacedSequencesOnLoad(), 0u);
        const QString output = PathOf(QStringLiteral("out.feature"));
        ASSERT_TRUE(document.OnSaveDocument(output));
        if (!crlf.isEmpty()) {
            EXPECT_EQ(ReadBytes(output), crlf);
        }

        // The original line ends become CR LF, and nothing else changes.
        ASSERT_TRUE(document.OnOpenDocument(QString::fromStdString(path.string())));
        ASSERT_TRUE(document.OnSaveDocument(output));
        if (!crlf.isEmpty()) {
            EXPECT_EQ(ReadBytes(output), crlf);
        }
    }
}

TEST_F(Document, OpenRefreshAndEditingBackLeaveItUnmodified)
{
    const QString path = PathOf(QStringLiteral("a.feature"));
    WriteBytes(path, "Feature: a\r\n  Scenario: b\r\n");
    QSignalSpy changes(&document, &CQuillmark2Doc::modifiedChanged);
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetTitle(), QStringLiteral("a.feature"));
    EXPECT_EQ(document.GetPathName(), path);

    view.OnRefresh();
    view.ApplySettings(14);
    EXPECT_FALSE(document.IsModified()) << "a pass that changes no text changes nothing";

    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(document.IsModified()) << "the text is the loaded one again";
    EXPECT_EQ(changes.count(), 2);

    // Same length, other text.
    view.control().SetSel(0, 1);
    view.insertPlainText(QStringLiteral("G"));
    EXPECT_TRUE(document.IsModified());
    view.control().SetSel(0, 1);
    view.insertPlainText(QStringLiteral("F"));
    EXPECT_FALSE(document.IsModified());
    view.moveCursor(QTextCursor::End);

    view.insertPlainText(QStringLiteral("y"));
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_FALSE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_TRUE(document.IsModified()) << "the saved text is the new baseline";
}

TEST_F(Document, NewDocumentIsAnUnmodifiedUntitledTemplate)
{
    const QString path = PathOf(QStringLiteral("b.feature"));
    WriteBytes(path, "Given x\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    view.insertPlainText(QStringLiteral("x"));
    QSignalSpy paths(&document, &CQuillmark2Doc::pathNameChanged);
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_EQ(document.GetTitle(), QStringLiteral("Untitled"));
    EXPECT_TRUE(document.GetPathName().isEmpty());
    EXPECT_EQ(paths.count(), 1);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(view.WholeText().startsWith(QStringLiteral("Feature: [Title]\r\n")));
}

TEST_F(Document, EmptyAndOneByteFilesShowTheTemplate)
{
    for (const QByteArray& bytes : { QByteArray(), QByteArray("F") }) {
        const QString path = PathOf(QStringLiteral("e.feature"));
        WriteBytes(path, bytes);
        ASSERT_TRUE(document.OnOpenDocument(path));
        EXPECT_TRUE(view.WholeText().startsWith(QStringLiteral("Feature: [Title]"))) << bytes.size() << " bytes";
        EXPECT_FALSE(document.IsModified());
    }
}

TEST_F(Document, Utf16AndLfFilesAreSavedAsUtf8WithCrLf)
{
    const QString path = PathOf(QStringLiteral("u.feature"));
    const QString text = QStringLiteral("Feature: é\nScenario: ✓\n");
    QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    WriteBytes(path, utf16);
    ASSERT_TRUE(document.OnOpenDocument(path));
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path), QStringLiteral("Feature: é\r\nScenario: ✓\r\n").toUtf8());

    WriteBytes(path, "Feature: a\nGiven b\rThen c");
    ASSERT_TRUE(document.OnOpenDocument(path));
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: a\r\nGiven b\r\nThen c"));
}

TEST_F(Document, InvalidBytesAreReplacedAndReported)
{
    const QString path = PathOf(QStringLiteral("bad.feature"));
    WriteBytes(path, QByteArray("Feature: a\xff\xfe b\r\nGiven \xc3", 22));
    QSignalSpy warnings(&document, &CQuillmark2Doc::loadWarning);
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_GE(document.ReplacedSequencesOnLoad(), 2u);
    ASSERT_EQ(warnings.count(), 1);
    const QString message = warnings.at(0).at(0).toString();
    EXPECT_TRUE(message.contains(QStringLiteral("bad.feature"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::number(document.ReplacedSequencesOnLoad())));
    EXPECT_TRUE(view.WholeText().contains(QChar(0xFFFD)));
}

TEST_F(Document, FailedOpenShowsWhyAndKeepsTheText)
{
    ASSERT_TRUE(document.OnNewDocument());
    view.insertPlainText(QStringLiteral("unsaved work"));
    const QString text = view.WholeText();
    // A file too large for the editor, without writing its bytes.
    const QString huge = PathOf(QStringLiteral("huge.feature"));
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly));
    ASSERT_TRUE(hugeFile.resize(CQuillmark2Doc::maxFileBytes + 1));
    hugeFile.close();

    MessageBoxRecorder boxes;
    for (const QString& path : { PathOf(QStringLiteral("missing.feature")), folder.path(), huge }) {
        EXPECT_FALSE(document.OnOpenDocument(path));
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().first, MessageBoxKind::Error);
        EXPECT_TRUE(boxes.shown.back().second.contains(QDir::toNativeSeparators(path)))
            << boxes.shown.back().second.toStdString();
    }
    EXPECT_TRUE(boxes.shown.front().second.contains(QStringLiteral("No such file")))
        << boxes.shown.front().second.toStdString();
    EXPECT_TRUE(boxes.shown.back().second.contains(QStringLiteral("65 MB"))) << boxes.shown.back().second.toStdString();
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.GetPathName().isEmpty());
}

TEST_F(Document, FailedSaveShowsWhyAndLeavesTheOldFileWhole)
{
    const QString path = PathOf(QStringLiteral("keep.feature"));
    WriteBytes(path, "Feature: old\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    view.insertPlainText(QStringLiteral("new "));
    MessageBoxRecorder boxes;

    const QString missingFolder = PathOf(QStringLiteral("no/such/folder/x.feature"));
    EXPECT_FALSE(document.OnSaveDocument(missingFolder));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].first, MessageBoxKind::Error);
    EXPECT_TRUE(boxes.shown[0].second.contains(QDir::toNativeSeparators(missingFolder)));
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder where the file should be: nothing may replace it.
    const QString folderPath = PathOf(QStringLiteral("sub"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    EXPECT_FALSE(document.OnSaveDocument(folderPath));
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_TRUE(document.IsModified());

    if (geteuid() != 0) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(document.OnSaveDocument(path));
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n")) << "the old file is untouched";
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n"));
}

}  // namespace
