#include "DocumentTestSupport.h"

#include "document/RecentFileList.h"
#include "editor/ProblemMarks.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"
#include "support/Corpus.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <iterator>

namespace {

// A save changes only what the user changed: the corpus, LF throughout, saves
// to the very bytes it was read from.
TEST_F(Document, EveryCorpusFileSavesToItsOwnBytes)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << CorpusMissing();
    const QString output = folder.filePath("out.feature");
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const QString original = QString::fromStdString(path.string());
        if (ReadBytes(original).isEmpty())
            continue; // an empty file opens as the new-document template
        ASSERT_TRUE(document.OnOpenDocument(original));
        ASSERT_TRUE(document.OnSaveDocument(output));
        EXPECT_EQ(ReadBytes(output), ReadBytes(original));
    }
}

// Every line is written with the file's first line end; a new document and a
// file without one get CR LF. An edit then changes its own line alone.
TEST_F(Document, ASaveWritesEveryLineWithTheFilesFirstLineEnd)
{
    const struct {
        QByteArray bytes;
        QByteArray saved; // after "x" is typed at the start of the second line
    } cases[] = {
        { "Feature: a\n  Scenario: b\n\n", "Feature: a\nx  Scenario: b\n\n" },
        { "Feature: a\r\n  Scenario: b\n  Given c\r", "Feature: a\r\nx  Scenario: b\r\n  Given c\r\n" },
        { "Feature: a\r  Scenario: b", "Feature: a\rx  Scenario: b" },
        { "Feature: a", "Feature: a\r\nx" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const QString path = Write("ends.feature", c.bytes);
        ASSERT_TRUE(document.OnOpenDocument(path));
        if (view.control().GetLineCount() < 2) {
            view.moveCursor(QTextCursor::End);
            view.insertPlainText("\n");
        }
        Select(1, 0);
        view.insertPlainText("x");
        ASSERT_TRUE(document.OnSaveDocument(path));
        EXPECT_EQ(ReadBytes(path), c.saved);
    }
    ASSERT_TRUE(document.OnNewDocument());
    ASSERT_TRUE(document.OnSaveDocument(folder.filePath("new.feature")));
    EXPECT_EQ(ReadBytes(folder.filePath("new.feature")), view.WholeText().toUtf8());
    EXPECT_TRUE(view.WholeText().contains("\r\n"));
}

// A file larger than the pieces it is decoded and put into the view in saves
// to its own bytes, a character whose bytes straddle the first piece's edge
// included; one in UTF-16 is saved as the same text in UTF-8.
TEST_F(Document, ALargeFileSavesUnchangedWhateverFallsOnThePiecesEdges)
{
    const QString sample = QStringLiteral("  Given caf\u00E9 \u65E5\u672C\U0001F600 step");
    // A face (one character of two UTF-16 units) starts at `faceAt`.
    const auto largeText = [&](const QString& lineEnd, int faceAt) {
        const QString first = QStringLiteral("Feature: large") + lineEnd;
        QString text = first + QString(faceAt - first.size(), u'x') + QStringLiteral("\U0001F600") + lineEnd;
        for (int line = 0; text.size() < 1400 * 1024; ++line)
            text += sample + QString::number(line) + lineEnd;
        return text;
    };
    constexpr int mebibyte = 1024 * 1024;
    const QString output = folder.filePath("out.feature");
    const auto expectSavedAs = [&](const QByteArray& bytes, const QByteArray& saved) {
        ASSERT_TRUE(document.OnOpenDocument(Write("large.feature", bytes)));
        EXPECT_FALSE(document.IsModified());
        ASSERT_TRUE(document.OnSaveDocument(output));
        EXPECT_TRUE(ReadBytes(output) == saved)
            << "saved " << ReadBytes(output).size() << " bytes of " << saved.size();
    };
    for (const char* lineEnd : { "\n", "\r\n", "\r" })
        for (const QByteArray& mark : { QByteArray(), QByteArray("\xEF\xBB\xBF") }) {
            SCOPED_TRACE(QByteArray(lineEnd).toHex().toStdString() + (mark.isEmpty() ? "" : " marked"));
            const QByteArray bytes
                = mark + largeText(QString::fromLatin1(lineEnd), mebibyte - 2 - int(mark.size())).toUtf8();
            ASSERT_EQ(bytes.mid(mebibyte - 2, 4), "\xF0\x9F\x98\x80");
            expectSavedAs(bytes, bytes);
        }
    SCOPED_TRACE("UTF-16");
    // Its high surrogate ends the first mebibyte after the mark.
    const QString text = largeText(QStringLiteral("\r\n"), mebibyte / 2 - 1);
    QByteArray utf16 = "\xFF\xFE";
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    expectSavedAs(utf16, text.toUtf8());
}

TEST_F(Document, AByteOrderMarkIsKeptFromOpenToSave)
{
    const QByteArray bytes = "\xEF\xBB\xBF# language: fr\r\nFonctionnalité: f\r\n";
    const QString path = Write("marked.feature", bytes);
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_EQ(view.analysis().lineType[0], COMMENT_LINE) << "the mark is no part of the line's content";
    EXPECT_EQ(view.analysis().lineType[1], FEATURE_LINE) << "read with the French keywords";
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(Document, OpenRefreshSaveAndEditingBackLeaveItUnmodified)
{
    const QString path = Write("a.feature", "Feature: a\r\n  Scenario: b\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    QSignalSpy changes(&document, &CQuillmark2Doc::modifiedChanged);
    view.OnRefresh();
    view.ApplySettings(14);
    EXPECT_FALSE(document.IsModified()) << "a pass that changes no text changes nothing";
    view.insertPlainText("x");
    EXPECT_TRUE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(document.IsModified()) << "the text is the loaded one again";
    EXPECT_EQ(changes.count(), 2) << "both changes are signalled, for the title's mark";
    view.insertPlainText("y");
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_FALSE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_TRUE(document.IsModified()) << "the saved text is the new baseline";
}

TEST_F(Document, NewDocumentAndEmptyFileShowTheUnmodifiedTemplate)
{
    // A one-byte file is a character of UTF-8, not an empty text.
    ASSERT_TRUE(document.OnOpenDocument(Write("f.feature", "F")));
    EXPECT_EQ(view.WholeText(), QStringLiteral("F"));
    ASSERT_TRUE(document.OnOpenDocument(Write("e.feature", QByteArray())));
    EXPECT_TRUE(view.WholeText().startsWith(QStringLiteral("Feature: [Title]")));
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("copied before")));
    ASSERT_TRUE(SetLanguage(language, u"de"));
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_EQ(Selected(), "[Title]");
    EXPECT_EQ(GetClipboardText(), "copied before");
    EXPECT_FALSE(view.control().CanUndo()) << "the template cannot be undone away";
    Select(0, 0);
    view.insertPlainText("x");
    EXPECT_TRUE(document.IsModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(document.IsModified()) << "the language line is part of the unmodified text";
}

// Bytes the text cannot hold are said before a save could write over them;
// the damaged ones the whole window's start-up shows.
TEST_F(Document, ZeroBytesThatMakeNoTextAreReportedOnOpening)
{
    QSignalSpy warnings(&document, &CQuillmark2Doc::loadWarning);
    ASSERT_TRUE(document.OnOpenDocument(Write("zero.feature", QByteArray("Feature: x\0\r\n", 14))));
    ASSERT_EQ(warnings.count(), 1);
    EXPECT_TRUE(warnings.at(0).at(0).toString().startsWith("zero.feature is neither UTF-8 nor UTF-16"));
    EXPECT_EQ(view.WholeText(), QString::fromUtf16(u"Feature: x\u0000\r\n", 14));
}

TEST_F(Document, FailuresShowWhyAndKeepTextAndFileWhole)
{
    const QString path = Write("keep.feature", "Feature: old\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    view.insertPlainText("new ");
    const QString text = view.WholeText();
    const QString huge = Write("huge.feature", "");
    ASSERT_TRUE(QFile::resize(huge, CQuillmark2Doc::maxFileBytes + 1)); // no bytes are written
    const QString missingFolder = folder.filePath("no/such/folder/x.feature");
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(document.OnOpenDocument(huge));
    EXPECT_FALSE(document.OnSaveDocument(missingFolder));
    EXPECT_FALSE(document.OnSaveDocument(folder.filePath("sub")));
    EXPECT_TRUE(QFileInfo(folder.filePath("sub")).isDir()) << "nothing replaces a folder";
    ASSERT_GE(boxes.texts.size(), 3);
    EXPECT_TRUE(boxes.texts[0].contains(QDir::toNativeSeparators(huge)) && boxes.texts[0].contains("65 MB"));
    EXPECT_EQ(boxes.texts[1],
        QStringLiteral("Cannot save %1: %2.").arg(QDir::toNativeSeparators(missingFolder), strerror(ENOENT)));
    EXPECT_EQ(boxes.kinds, std::vector(boxes.texts.size(), MessageBoxKind::Error));
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n")) << "the old file is untouched";
}

// A copy that keeps the size and the time of the file it replaces (cp -p,
// rsync -t) is another file all the same; the same bytes written again are not.
TEST_F(Document, AReplacementIsToldByItsContentNotBySizeAndTime)
{
    const QByteArray mine = "Feature: mine\r\n", theirs = "Feature: them\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
        bool byRename;
        bool changed;
    } cases[] = {
        { "the same bytes written again", mine, false, false },
        { "copied over, size and time kept", theirs, false, true },
        { "renamed over, size and time kept", theirs, true, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write("watched.feature", mine);
        ASSERT_TRUE(document.OnOpenDocument(path));
        const QDateTime time = QFileInfo(path).lastModified();
        const QString written = Write(c.byRename ? "watched.new" : "watched.feature", c.bytes);
        QFile file(written);
        ASSERT_TRUE(
            file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
        file.close();
        if (c.byRename) {
            ASSERT_EQ(std::rename(written.toLocal8Bit(), path.toLocal8Bit()), 0);
        }
        EXPECT_EQ(document.GetFileWatch().ChangedOnDisk(), c.changed);
    }
}

// A large file is checked for problems while it is read, not copied out of
// the view again once it is in: its marks are there as soon as it is open,
// the same a check of the view's text finds, whatever breaks its lines and
// whichever language it settles on.
TEST_F(Document, ALargeFileIsMarkedAsSoonAsItIsOpen)
{
    const auto marks = [this] {
        QStringList found;
        for (const ProblemMarks::Mark& mark : view.problems().Marks())
            found << QStringLiteral("%1:%2 %3")
                         .arg(mark.line + 1)
                         .arg(mark.problem.location.column)
                         .arg(toQString(mark.problem.message));
        return found;
    };
    // Every break the view reads, then a step that belongs nowhere and a row
    // of too few cells near the end.
    const QString breaks[] = { "\n", "\r\n", "\r", "\u2029", "\uFDD0", "\uFDD1", "\r\r\n" };
    const auto large = [&](const QString& top, const QString& feature, const QString& scenario,
                           const QString& given) {
        QString text = top + feature + ": f\n  " + scenario + ": s\r\n";
        for (int line = 0; line < 1400; ++line)
            text += "    " + given + " step " + QString::number(line) + breaks[line % std::size(breaks)];
        return text + "    | a | b |\n    | c |\nnonsense\r\n  " + scenario + ": t\r\n";
    };
    const struct {
        const char* name;
        const char16_t* editorLanguage;
        QString text;
    } cases[] = {
        { "mixed line breaks", u"en", large("", "Feature", "Scenario", "Given") },
        { "no language line, the editor in French", u"fr",
            large("# a comment\r\n", "Feature", "Scenario", "Given") },
        { "a French file, the editor in English", u"en",
            large("# language: fr\n", "Fonctionnalit\u00E9", "Sc\u00E9nario", "Soit") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectLanguageSetting(language, c.editorLanguage);
        ASSERT_TRUE(document.OnOpenDocument(Write("large.feature", c.text.toUtf8())));
        const QStringList opened = marks();
        EXPECT_EQ(opened.size(), 2) << opened.join("; ").toStdString();
        view.problems().CheckNow();
        EXPECT_EQ(opened, marks());
    }
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostEight)
{
    RecentFileList list;
    for (int i = 1; i <= 10; ++i)
        list.Add(QStringLiteral("/f%1").arg(i));
    list.Add(QStringLiteral("/sub/../f7"));
    EXPECT_EQ(list.Paths(), QStringList({ "/f7", "/f10", "/f9", "/f8", "/f6", "/f5", "/f4", "/f3" }));
}

} // namespace
