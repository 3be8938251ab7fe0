#include "ViewTestSupport.h"

#include "app/CQuillmark2Doc.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"
#include "support/Corpus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Document : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        document.SetView(&view);
    }

    // Writes `bytes` to the file `name` in the test's folder and gives its path.
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QTemporaryDir folder;
    CQuillmark2Doc document;
};

// The corpus has LF line ends: saved, they become CR LF and nothing else changes,
// and the CR LF file comes back byte for byte.
TEST_F(Document, EveryCorpusFileOpensAndSavesWithoutLosingACharacter)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    const QString output = folder.filePath("out.feature");
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const QString original = QString::fromStdString(path.string());
        const QByteArray crlf = ReadBytes(original).replace("\r\n", "\n").replace('\n', "\r\n");
        if (crlf.isEmpty())
            continue; // an empty file opens as the new-document template
        for (const QString& input : { original, output }) {
            ASSERT_TRUE(document.OnOpenDocument(input));
            EXPECT_EQ(document.ReplacedSequencesOnLoad(), 0u);
            ASSERT_TRUE(document.OnSaveDocument(output));
            EXPECT_EQ(ReadBytes(output), crlf);
        }
    }
}

TEST_F(Document, OpenRefreshSaveAndEditingBackLeaveItUnmodified)
{
    const QString path = Write("a.feature", "Feature: a\r\n  Scenario: b\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    QSignalSpy changes(&document, &CQuillmark2Doc::modifiedChanged);
    view.OnRefresh();
    view.ApplySettings(14);
    EXPECT_FALSE(document.IsModified()) << "a pass that changes no text changes nothing";

    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(document.IsModified()) << "the text is the loaded one again";
    EXPECT_EQ(changes.count(), 2) << "both changes are signalled, for the title's mark";

    view.control().SetSel(0, 1);
    view.insertPlainText(QStringLiteral("G"));
    EXPECT_TRUE(document.IsModified()) << "same length, other text";
    view.control().SetSel(0, 1);
    view.insertPlainText(QStringLiteral("F"));
    EXPECT_FALSE(document.IsModified());

    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("y"));
    ASSERT_TRUE(document.OnSaveDocument(path));
    view.OnRefresh();
    EXPECT_FALSE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_TRUE(document.IsModified()) << "the saved text is the new baseline";
}

TEST_F(Document, NewDocumentAndEmptyFileShowTheUnmodifiedTemplate)
{
    // A one-byte file is a character of UTF-8, not an empty text.
    ASSERT_TRUE(document.OnOpenDocument(Write("f.feature", "F")));
    EXPECT_EQ(view.WholeText(), QStringLiteral("F"));
    EXPECT_EQ(document.ReplacedSequencesOnLoad(), 0u);
    ASSERT_TRUE(document.OnOpenDocument(Write("e.feature", QByteArray())));
    EXPECT_TRUE(view.WholeText().startsWith(QStringLiteral("Feature: [Title]")));
    EXPECT_FALSE(document.IsModified());
    view.insertPlainText(QStringLiteral("x"));
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("copied before")));
    ASSERT_TRUE(SetLanguage(u"de"));
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_EQ(document.GetTitle(), QStringLiteral("Untitled"));
    EXPECT_TRUE(document.GetPathName().isEmpty());
    EXPECT_TRUE(
        view.WholeText().startsWith("# language: de\r\n" + toQString(KeywordForType(FEATURE)) + ": [Title]"))
        << view.WholeText().toStdString();
    EXPECT_EQ(Selected(), QStringLiteral("[Title]"));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("copied before"));
    EXPECT_FALSE(view.document()->isUndoAvailable()) << "the template cannot be undone away";
    EXPECT_FALSE(document.IsModified());
    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(document.IsModified()) << "the language line is part of the unmodified text";
}

TEST_F(Document, FileTooLargeIsRefusedWithAMessageAndTheTextIsKept)
{
    ASSERT_TRUE(document.OnNewDocument());
    view.insertPlainText(QStringLiteral("unsaved work"));
    const QString text = view.WholeText();
    const QString huge = Write("huge.feature", "");
    ASSERT_TRUE(QFile::resize(huge, CQuillmark2Doc::maxFileBytes + 1)); // no bytes are written
    MessageBoxRecorder boxes;
    EXPECT_FALSE(document.OnOpenDocument(huge));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].first, MessageBoxKind::Error);
    EXPECT_TRUE(boxes.shown[0].second.contains(QDir::toNativeSeparators(huge)));
    EXPECT_TRUE(boxes.shown[0].second.contains(QStringLiteral("65 MB"))) << "the size limit is named";
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.GetPathName().isEmpty());
}

TEST_F(Document, FailedSaveShowsWhyAndLeavesTheOldFileWhole)
{
    const QString path = Write("keep.feature", "Feature: old\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    view.insertPlainText(QStringLiteral("new "));
    MessageBoxRecorder boxes;

    const QString missingFolder = folder.filePath("no/such/folder/x.feature");
    EXPECT_FALSE(document.OnSaveDocument(missingFolder));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].first, MessageBoxKind::Error);
    EXPECT_TRUE(boxes.shown[0].second.contains(QDir::toNativeSeparators(missingFolder)));

    const QString folderPath = folder.filePath("sub");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    EXPECT_FALSE(document.OnSaveDocument(folderPath));
    EXPECT_TRUE(QFileInfo(folderPath).isDir()) << "nothing replaces a folder";
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_TRUE(document.IsModified());

    if (geteuid() != 0) { // a folder that cannot be written to
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(document.OnSaveDocument(path));
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n")) << "the old file is untouched";
}

} // namespace
