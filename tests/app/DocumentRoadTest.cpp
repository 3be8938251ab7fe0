// The roads of documents: every one that discards a modified document asks first.
#include "app/LoadProgressMessage.h"
#include "support/ShellFixture.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QFileDialog>
#include <QMetaEnum>
#include <QMimeData>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

#include <tuple>

namespace {

class EditedDocument : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        m_openChoice = WriteFile("other.feature", "Feature: Other\r\n");
        StartApp({ m_openChoice });
        OpenFile("edited.feature", "Feature: Edited\r\n"); // the other file is second of the recent
        m_typed = TypeAtEnd("  Scenario: typed");
    }

    const QString m_edited = FilePath("edited.feature");
    QString m_typed;
};

// A road and the answer to the question whether to save.
class SavePromptTest
    : public EditedDocument,
      public ::testing::WithParamInterface<std::tuple<std::string, QMessageBox::StandardButton>> {
protected:
    void TakeRoad(const std::string& road)
    {
        if (road == "New" || road == "Open") {
            Execute(road == "New" ? ID_FILE_NEW : ID_FILE_OPEN);
        } else if (road == "RecentFile") {
            Frame().Documents().OpenRecentFile(1);
        } else if (road == "Drop") {
            // Dropped on the text, where the view would otherwise paste the file's name;
            // the window opens it once the drop has finished.
            QMimeData mime;
            mime.setUrls({ QUrl::fromLocalFile(m_openChoice) });
            mime.setText(m_openChoice);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(View().viewport(), &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(View().viewport(), &drop);
            QCoreApplication::processEvents();
        } else {
            Frame().close();
        }
    }
};

TEST_P(SavePromptTest, AsksOnceAndActsOnTheAnswer)
{
    const auto& [road, answer] = GetParam();
    m_boxes.answers = { answer };
    TakeRoad(road);

    EXPECT_EQ(m_boxes.texts, QStringList { "Save changes to edited.feature?" }) << "asked once";
    EXPECT_EQ(ReadBytes(m_edited), answer == QMessageBox::Yes ? m_typed.toUtf8() : "Feature: Edited\r\n")
        << "only Yes saves the changes";
    const bool stays = answer == QMessageBox::Cancel;
    EXPECT_EQ(Frame().isVisible(), stays || road != "Close");
    EXPECT_EQ(Doc().IsModified(), stays || (road == "Close" && answer == QMessageBox::No))
        << "Cancel keeps the document with its changes";
    EXPECT_EQ(Doc().GetPathName(), stays || road == "Close" ? m_edited : road == "New" ? "" : m_openChoice);
    if (stays) {
        EXPECT_EQ(Text(), m_typed);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, SavePromptTest,
    ::testing::Combine(::testing::Values<std::string>("New", "Open", "RecentFile", "Drop", "Close"),
        ::testing::Values(QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel)),
    [](const auto& info) {
        return std::get<0>(info.param)
            + QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(std::get<1>(info.param));
    });

class DocumentRoadTest : public ShellFixture { };

TEST_F(DocumentRoadTest, SaveAsGivesTheFeatureExtensionAndTheTitleFollowsTheDocument)
{
    StartApp();
    TypeAtEnd("\n  Scenario: unsaved work");
    m_boxes.answers = { QMessageBox::Yes };
    Execute(ID_FILE_NEW); // the Save As dialog is cancelled: the document stays
    EXPECT_TRUE(Text().endsWith("unsaved work") && Frame().isWindowModified());

    m_saveChoice = FilePath("named");
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(FilePath("named.feature")), Text().toUtf8());
    EXPECT_FALSE(Frame().isWindowModified());

    OpenFile("shop[*].feature", "Feature: Shop\r\n");
    EXPECT_EQ(Frame().windowTitle(), "shop[*][*].feature[*] - Quillmark");
}

// Start-up opens the named file once the window is up; one that does not exist yet is created by Save.
// What it cannot open is refused with the reason: a file whose name is not UTF-8, which Save would
// write again under another name, or what is no regular file, such as a device without end.
TEST_F(DocumentRoadTest, StartUpSpeaksOverTheMainWindowAndKeepsItOpen)
{
    ASSERT_TRUE(QDir(m_sandbox.path()).mkdir("folder"));
    const QByteArray latin1Name = QFile::encodeName(m_sandbox.path()) + "/caf\xe9.feature";
    const int latin1File = ::open(latin1Name.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(latin1File, 0);
    ::close(latin1File);
    const std::tuple<QString, const char*, QString> cases[] = {
        { WriteFile("bytes.feature", "Feature: Caf\xe9\r\n"), "1 invalid byte sequences in bytes.feature",
            "bytes.feature" },
        { WriteFile("xx.feature", "# licence\r\n# language: xx\r\nFeature: x\r\n"),
            "Cannot set language to xx", "xx.feature" },
        { FilePath("folder"), "it is a folder", "Untitled" },
        { QFile::decodeName(latin1Name), "the name of the file is not valid UTF-8", "Untitled" },
        { "/dev/zero", "it is a device, not a regular file", "Untitled" },
        { FilePath("nowhere/new.feature"), "the folder", "Untitled" },
        { FilePath("new.feature"), nullptr, "new.feature" },
    };
    for (const auto& [path, expected, title] : cases) {
        SCOPED_TRACE(path.toStdString());
        QStringList said; // each with whether the window was up beneath it
        const MessageBoxHandler recorder = SetMessageBoxHandler([&](MessageBoxKind, const QString& text) {
            said << text + (m_app->GetMainFrame() && Frame().isVisible() ? " (over the window)" : "");
            return QMessageBox::Ok;
        });
        StartApp({ path });
        SetMessageBoxHandler(recorder);
        ASSERT_EQ(said.size(), expected ? 1 : 0);
        EXPECT_TRUE(!expected || (said[0].contains(expected) && said[0].endsWith(" (over the window)")))
            << said.join('|').toStdString();
        EXPECT_EQ(Frame().windowTitle(), title + "[*] - Quillmark");
    }
    EXPECT_FALSE(QFile::exists(FilePath("new.feature"))) << "nothing is written before a save";
    TypeAtEnd("  Scenario: first");
    ASSERT_TRUE(Execute(ID_FILE_SAVE)) << "saved without a dialog, whose answer would be empty";
    EXPECT_EQ(ReadBytes(FilePath("new.feature")), Text().toUtf8());
    EXPECT_EQ(RecentEntry(0), "&1 " + Shown("new.feature"));
}

// A file's first line and its name reach the real boxes as typed, Qt's own boxes included: no link
// that starts a program, no image that loads a file.
TEST_F(DocumentRoadTest, MarkupInAFileAndItsNameIsShownAsTyped)
{
    const QString link = R"(<a href="file:///bin/sh">x</a><img src="/tmp/q.png">)";
    const QString name = "<a href=file:x>n<img src=q.png>.feature"; // no slash; no quotes for the file dialog
    const QString path = WriteFile(name, "# language: " + link.toUtf8() + "\r\nFeature: x\r\n");
    const MessageBoxHandler recorder = SetMessageBoxHandler({});
    SetSaveFileDialogHandler({});
    DialogAnswers answers;
    QStringList shown;
    const auto read = [&](QMessageBox& box) {
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        shown << box.text();
        box.button(QMessageBox::No) ? box.button(QMessageBox::No)->click() : box.reject();
    };
    answers.Then<QMessageBox>(read);
    answers.Then<QFileDialog>([](QFileDialog& dialog) {
        static_cast<QDialog&>(dialog).accept(); // asks before it replaces the file, as the Save button does
        dialog.reject();
    });
    answers.Then<QMessageBox>(read);
    answers.Then<QMessageBox>(read);
    StartApp({ path });
    TypeAtEnd("  Scenario: typed");
    Execute(ID_FILE_SAVE_AS);
    Execute(ID_FILE_NEW);
    SetMessageBoxHandler(recorder);
    EXPECT_EQ(shown,
        QStringList({ "Cannot set language to " + link, name + " already exists.\nDo you want to replace it?",
            "Save changes to " + name + "?" }));
}

TEST_F(EditedDocument, ARecentFileThatCannotBeOpenedIsReportedAndLeavesTheCurrentDocument)
{
    ASSERT_TRUE(QFile::remove(m_openChoice));
    m_boxes.answers = { QMessageBox::No };
    EXPECT_FALSE(Frame().Documents().OpenRecentFile(1));
    EXPECT_EQ(m_boxes.texts.size(), 2) << "the question, then the reason the file cannot be opened";
    EXPECT_EQ(Text(), m_typed);
    EXPECT_EQ(RecentEntry(1), QString()) << "an entry that would only fail again goes";
}

// In the whole window, whose toolbar follows every move of the caret; after Ctrl+Home as after Ctrl+A.
TEST_F(DocumentRoadTest, TypingAtTheStartOfAMarkedFileGoesBehindTheMark)
{
    const QString path
        = WriteFile("marked.feature", "\xEF\xBB\xBF# language: fr\r\nFonctionnalit\xC3\xA9: f\r\n");
    StartApp({ path });
    Frame().show();
    QTest::keyClick(&View(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(&View(), "X");
    QTest::keyClick(&View(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&View(), "Y");
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBFY");
}

// The first save of a file read as UTF-16 writes UTF-8, and the status bar says so once.
TEST_F(DocumentRoadTest, AFileReadAsUtf16IsSavedAsUtf8AndTheStatusBarSaysSoOnce)
{
    StartApp();
    const QString path = OpenFile("wide.feature",
        QByteArray("\xFF\xFE"
                   "F\0:\0\r\0\n\0",
            10));
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(path), "F:\r\n");
    EXPECT_EQ(Status(), "wide.feature was read as UTF-16 and has been saved as UTF-8.");
    Frame().statusBar()->clearMessage();
    TypeAtEnd("x");
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(Status(), QString());
}

// A large file is named in the title while it loads, not only once it is in.
TEST_F(DocumentRoadTest, TheTitleNamesALargeFileWhileItLoads)
{
    StartApp();
    const QString path = WriteFile("large.feature", QByteArray("    Given a step\r\n").repeated(70000));
    QStringList titles;
    QObject::connect(&Doc(), &CQuillmark2Doc::loadProgress, &Frame(), [&](const QString&, int percent) {
        if (percent > 0 && percent < 100)
            titles << Frame().windowTitle();
    });
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(path));
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.first(), "large.feature[*] - Quillmark");
}

// Shown once the opening takes longer than a blink, repainted at most so
// often; the bar is cleared once the file is in, or the open has failed.
TEST(LoadProgressMessage, ShowsTheFigureOfASlowOpenUntilItEnds)
{
    QStatusBar bar;
    qint64 now = 0;
    LoadProgressMessage progress(&bar, [&now] { return now; });
    const std::tuple<qint64, int, const char*> steps[] = {
        { 0, 0, "" },
        { LoadProgressMessage::blinkMs - 1, 20, "" },
        { LoadProgressMessage::blinkMs, 40, "Opening big.feature (40%)" },
        { LoadProgressMessage::blinkMs + LoadProgressMessage::repaintMs - 1, 75,
            "Opening big.feature (40%)" },
        { LoadProgressMessage::blinkMs + LoadProgressMessage::repaintMs, 80, "Opening big.feature (80%)" },
        { LoadProgressMessage::blinkMs + LoadProgressMessage::repaintMs, 100, "" },
    };
    for (const auto& [at, percent, shown] : steps) {
        now = at;
        progress.Show("big.feature", percent);
        EXPECT_EQ(bar.currentMessage(), shown) << percent << "% at " << at << " ms";
    }
}

} // namespace
