#include "support/ShellFixture.h"
#include "table/CGridDialog.h"

#include <QTimer>

#include <filesystem>
#include <utility>

namespace {

const char* const original = "Feature: one\r\n  Scenario: a\r\n  Scenario: b\r\n  Scenario: c\r\n";
const char* const theirs = "Feature: two\r\n  Scenario: x\r\n  Scenario: y\r\n  Scenario: z\r\n";

class FileOnDisk : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp({ WriteFile("watched.feature", original) });
    }

    void Rewrite(const QByteArray& bytes, bool byRename = false) const
    {
        const QString fresh = WriteFile(byRename ? "watched.feature.new" : "watched.feature", bytes);
        if (byRename)
            std::filesystem::rename(fresh.toStdString(), m_path.toStdString());
    }
    // Lets the watcher look at once at whatever it has been told of, and at
    // what follows from that, rather than wait for the quiet moment it waits
    // for: the system tells of a change before the write that made it returns.
    void Settle()
    {
        auto* quiet = Doc().GetFileWatch().findChild<QTimer*>("fileWatchQuiet");
        ASSERT_NE(quiet, nullptr);
        for (int round = 0; round < 10; ++round) {
            QCoreApplication::processEvents();
            if (!quiet->isActive())
                return;
            quiet->start(0);
            QCoreApplication::processEvents();
        }
        FAIL() << "the watcher does not settle";
    }

    const QString m_path = FilePath("watched.feature"), m_shown = Shown("watched.feature");
};

// Whatever the answer, the file is watched as it is now: the next change is
// noticed too, be it a rename over the file as git does it, or its deletion.
TEST_F(FileOnDisk, AnotherProgramsChangeReloadsOrAsksUntilItDeletesTheFile)
{
    const QString reloaded = m_shown + " was changed by another program and has been reloaded.";
    PutCaretOnLine(2);
    Rewrite(theirs);
    Settle();
    EXPECT_EQ(Text(), theirs);
    EXPECT_EQ(m_boxes.texts, QStringList());
    EXPECT_EQ(View().CaretLine(), 2) << "the caret stays on its line";
    EXPECT_EQ(Status(), reloaded);
    // The news passes: the status bar's own timer, set off rather than waited for.
    auto* passing = Frame().statusBar()->findChild<QTimer*>();
    ASSERT_NE(passing, nullptr);
    EXPECT_EQ(
        std::pair(passing->isActive(), passing->interval()), std::pair(true, CMainFrame::passingMessageMs));
    passing->start(0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Status().isEmpty(); }));

    const std::tuple<const char*, bool, QMessageBox::StandardButton> changes[] // Yes is Reload
        = { { original, false, QMessageBox::Yes }, { theirs, true, QMessageBox::No },
              { original, false, QMessageBox::No } };
    for (const auto& [bytes, byRename, answer] : changes) {
        SCOPED_TRACE(testing::Message() << (byRename ? "renamed over, " : "written in place, ") << answer);
        const QString mine = TypeAtEnd("  Scenario: mine\r\n");
        Frame().statusBar()->clearMessage();
        m_boxes.texts.clear();
        m_boxes.answers << answer;
        Rewrite(bytes, byRename);
        Settle();
        EXPECT_EQ(m_boxes.texts,
            QStringList { "The file " + m_shown
                + " has been changed by another program. Reload it and lose your changes?" });
        const bool reload = answer == QMessageBox::Yes;
        EXPECT_EQ(Text(), reload ? bytes : mine);
        EXPECT_EQ(Doc().IsModified(), !reload);
        EXPECT_EQ(Status(), reload ? reloaded : "");
    }

    const int boxes = int(m_boxes.texts.size());
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    Settle();
    EXPECT_EQ(m_boxes.texts.size(), boxes) << "no question about our own save";
    EXPECT_EQ(Status(), QString()) << "nor a reload";

    // Deleted, the document is modified, so that closing asks.
    ASSERT_TRUE(QFile::remove(m_path));
    Settle();
    ASSERT_TRUE(Doc().IsModified());
    EXPECT_EQ(Status(), m_shown + " has been deleted by another program; Save writes it again.");
    m_boxes.answers << QMessageBox::Yes;
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(m_boxes.texts.size(), boxes + 1);
    EXPECT_EQ(ReadBytes(m_path), Text().toUtf8()) << "Yes writes the file again";
}

// OK writes the dialog's result into the text the dialog was opened on; a
// change another program makes meanwhile is noted, and only then asked about.
TEST_F(FileOnDisk, AChangeWhileADialogIsOpenWaitsUntilItsResultIsWritten)
{
    const char* const table = "Feature: t\r\n  Scenario: s\r\n    Given rows\r\n      | a | b |\r\n";
    const QString path = OpenFile("table.feature", table);
    const QString noted = Shown("table.feature")
        + " has been changed by another program; Quillmark will look at it once the dialog is closed.";
    PutCaretOnLine(3);
    DialogAnswers dialogs;
    dialogs.Then<CGridDialog>([&](CGridDialog& dialog) {
        WriteFile("table.feature", theirs);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Status() == noted || Text() == theirs; }, 5000));
        EXPECT_EQ(Status(), noted);
        dialog.accept();
    });
    m_boxes.answers << QMessageBox::No;
    ASSERT_TRUE(Execute(ID_TABLE));
    const QString written = Text();
    EXPECT_TRUE(written.startsWith(QString(table).chopped(9))) << written.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_boxes.texts.isEmpty(); }, 5000));
    EXPECT_EQ(m_boxes.texts,
        QStringList { "The file " + Shown("table.feature")
            + " has been changed by another program. Reload it and lose your changes?" });
    EXPECT_EQ(Text(), written) << "Keep mine keeps what OK wrote";
    EXPECT_EQ(ReadBytes(path), theirs);
}

// The save compares the file again, for the changes the watcher misses or has yet to tell, as here.
TEST_F(FileOnDisk, ASaveOverAFileChangedSinceItWasReadAsksFirst)
{
    const QString mine = TypeAtEnd("  Scenario: mine\r\n");
    Rewrite(QByteArray(theirs).append("# longer\r\n"));
    m_boxes.answers << QMessageBox::Cancel << QMessageBox::Yes;
    EXPECT_FALSE(Execute(ID_FILE_SAVE) && !Doc().IsModified());
    EXPECT_EQ(m_boxes.texts,
        QStringList { "The file " + m_shown + " has been changed by another program since Quillmark read it. "
            + "Save over it and lose the other program's changes?" });
    EXPECT_TRUE(ReadBytes(m_path).startsWith(theirs)) << "Cancel keeps the other program's file";
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(m_path), mine.toUtf8());
}

} // namespace
