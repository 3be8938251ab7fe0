// Every road that discards a modified document asks first; the title follows
// the document; a file that cannot be opened leaves the current one alone.
#include "ShellFixture.h"
#include "app/RecentFileList.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
enum class Road { New, Open, RecentFile, Drop, Close };
const char* const roadNames[] = { "New", "Open", "RecentFile", "Drop", "Close" };
using PromptCase = std::tuple<Road, QMessageBox::StandardButton>;
}

class SavePromptTest : public ShellFixture, public ::testing::WithParamInterface<PromptCase> {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        m_edited = WriteFile(QStringLiteral("edited.feature"), "Feature: Edited\r\n");
        m_other = WriteFile(QStringLiteral("other.feature"), "Feature: Other\r\n");
        StartApp({ m_edited });
        m_app->RecentFiles().Add(m_other);
        TypeAtEnd(QStringLiteral("  Scenario: typed"));
        ASSERT_TRUE(Doc().IsModified());
    }

    void TakeRoad(Road road)
    {
        if (road == Road::New) {
            Frame().Commands().Execute(ID_FILE_NEW);
        } else if (road == Road::Open) {
            m_openChoice = m_other;
            Frame().Commands().Execute(ID_FILE_OPEN);
        } else if (road == Road::RecentFile) {
            ASSERT_EQ(m_app->RecentFiles().Paths().value(0), m_other);
            Frame().Documents().OpenRecentFile(0);
        } else if (road == Road::Drop) {
            // Dropped on the text, where the view would otherwise paste the file's name;
            // the window opens it once the drop has finished.
            QMimeData mime;
            mime.setUrls({ QUrl::fromLocalFile(m_other) });
            mime.setText(m_other);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(View().viewport(), &enter);
            ASSERT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(View().viewport(), &drop);
            QCoreApplication::processEvents();
        } else {
            Frame().close();
        }
    }

    QString m_edited;
    QString m_other;
};

TEST_P(SavePromptTest, AsksOnceAndActsOnTheAnswer)
{
    const auto [road, answer] = GetParam();
    const QString typed = View().WholeText();
    m_answers = { answer };
    TakeRoad(road);

    EXPECT_EQ(m_questions, 1);
    EXPECT_EQ(m_messages.value(0), QStringLiteral("Save changes to edited.feature?"));
    EXPECT_EQ(
        ReadFile(m_edited), answer == QMessageBox::Yes ? typed.toUtf8() : QByteArray("Feature: Edited\r\n"))
        << "only Yes saves the changes";
    if (answer == QMessageBox::Cancel) {
        EXPECT_EQ(Doc().GetPathName(), m_edited);
        EXPECT_EQ(View().WholeText(), typed) << "Cancel keeps the document with its changes";
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_TRUE(Frame().isVisible());
    } else if (road == Road::New) {
        EXPECT_TRUE(Doc().GetPathName().isEmpty());
        EXPECT_FALSE(Doc().IsModified());
    } else if (road == Road::Close) {
        EXPECT_FALSE(Frame().isVisible());
    } else {
        EXPECT_EQ(Doc().GetPathName(), m_other);
        EXPECT_TRUE(View().WholeText().startsWith(QStringLiteral("Feature: Other")));
        EXPECT_FALSE(View().WholeText().contains(m_other)) << "the file's name was pasted as text";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, SavePromptTest,
    ::testing::Combine(::testing::Values(Road::New, Road::Open, Road::RecentFile, Road::Drop, Road::Close),
        ::testing::Values(QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel)),
    [](const auto& info) {
        const QMessageBox::StandardButton answer = std::get<1>(info.param);
        return roadNames[int(std::get<0>(info.param))]
            + std::string(answer == QMessageBox::Yes ? "Yes"
                    : answer == QMessageBox::No      ? "No"
                                                     : "Cancel");
    });

class DocumentRoadTest : public ShellFixture { };

TEST_F(DocumentRoadTest, UnmodifiedDocumentGoesWithoutAQuestionAndUntitledOneStaysIfSaveAsIsCancelled)
{
    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    StartApp();
    EXPECT_TRUE(Frame().Documents().OpenDocumentFile(a));
    Frame().Commands().Execute(ID_FILE_NEW);
    EXPECT_EQ(m_questions, 0);

    TypeAtEnd(QStringLiteral("\n  Scenario: unsaved work"));
    const QString typed = View().WholeText();
    m_answers = { QMessageBox::Yes };
    m_saveChoice.clear(); // the user cancels the Save As dialog
    Frame().Commands().Execute(ID_FILE_NEW);
    EXPECT_EQ(View().WholeText(), typed);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(DocumentRoadTest, SaveAsGivesTheFeatureExtensionAndTheTitleFollowsTheDocument)
{
    StartApp();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled[*] - Quillmark"));
    EXPECT_FALSE(Frame().isWindowModified());
    m_saveChoice = FilePath(QStringLiteral("named"));
    ASSERT_TRUE(Frame().Commands().Execute(ID_FILE_SAVE));
    const QString saved = FilePath(QStringLiteral("named.feature"));
    EXPECT_EQ(Doc().GetPathName(), saved);
    EXPECT_EQ(ReadFile(saved), View().WholeText().toUtf8());
    EXPECT_EQ(m_app->RecentFiles().Paths().value(0), saved);

    const QString shop = WriteFile(QStringLiteral("shop[*].feature"), "Feature: Shop\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(shop));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("shop[*][*].feature[*] - Quillmark"));
    EXPECT_FALSE(Frame().isWindowModified());
    TypeAtEnd(QStringLiteral("x"));
    EXPECT_TRUE(Frame().isWindowModified());
    ASSERT_TRUE(Frame().Commands().Execute(ID_FILE_SAVE));
    EXPECT_FALSE(Frame().isWindowModified());
}

TEST_F(DocumentRoadTest, FileThatCannotBeOpenedKeepsTheCurrentDocumentAndLeavesTheRecentList)
{
    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    const QString gone = WriteFile(QStringLiteral("gone.feature"), "Feature: Gone\r\n");
    StartApp({ a });
    m_app->RecentFiles().Add(gone);
    ASSERT_TRUE(QFile::remove(gone));
    TypeAtEnd(QStringLiteral("\n  Scenario: kept"));
    const QString typed = View().WholeText();

    m_answers = { QMessageBox::No };
    EXPECT_FALSE(Frame().Documents().OpenRecentFile(0));
    EXPECT_EQ(m_messages.size(), 2) << "the question, then the reason the file cannot be opened";
    EXPECT_EQ(View().WholeText(), typed);
    EXPECT_EQ(Doc().GetPathName(), a);
    EXPECT_FALSE(m_app->RecentFiles().Paths().contains(gone));
}

TEST_F(DocumentRoadTest, MissingFileAtStartAndDamagedBytesInAnOpenedFileAreReported)
{
    StartApp({ FilePath(QStringLiteral("missing.feature")) });
    EXPECT_EQ(m_messages.size(), 1) << "the user is told";
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_TRUE(View().WholeText().contains(QStringLiteral("[Title]"))) << "the new-document template";

    const QString damaged = WriteFile(QStringLiteral("damaged.feature"), "Feature: Caf\xe9\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(damaged));
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages[1].contains(QStringLiteral("damaged.feature"))) << m_messages[1].toStdString();
    EXPECT_EQ(Doc().GetPathName(), damaged) << "the file is open all the same";
}
