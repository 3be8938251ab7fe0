// Every road that discards a modified document asks first; the title follows
// the document; a file that cannot be opened leaves the current one alone.
#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/RecentFileList.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <functional>

using namespace CommandId;

namespace {
enum class Road { New, Open, RecentFile, Drop, Close };

const char* RoadName(Road road)
{
    switch (road) {
    case Road::New:
        return "New";
    case Road::Open:
        return "Open";
    case Road::RecentFile:
        return "RecentFile";
    case Road::Drop:
        return "Drop";
    case Road::Close:
        return "Close";
    }
    return "?";
}

struct PromptCase {
    Road road;
    QMessageBox::StandardButton answer;
};

std::string CaseName(const ::testing::TestParamInfo<PromptCase>& info)
{
    const char* answer = info.param.answer == QMessageBox::Yes ? "Yes"
        : info.param.answer == QMessageBox::No                 ? "No"
                                                               : "Cancel";
    return std::string(RoadName(info.param.road)) + answer;
}
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
        m_typedText = View().WholeText();
    }

    void TakeRoad(Road road)
    {
        switch (road) {
        case Road::New:
            Frame().Commands().Execute(ID_FILE_NEW);
            break;
        case Road::Open:
            m_openChoice = m_other;
            Frame().Commands().Execute(ID_FILE_OPEN);
            break;
        case Road::RecentFile:
            ASSERT_EQ(m_app->RecentFiles().Paths().value(0), m_other);
            Frame().Documents().OpenRecentFile(0);
            break;
        case Road::Drop: {
            // Dropped on the text, where the view would otherwise paste the
            // file's name; the window opens it once the drop has finished.
            QMimeData mime;
            mime.setUrls({ QUrl::fromLocalFile(m_other) });
            mime.setText(m_other);
            QWidget* target = View().viewport();
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            ASSERT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
            QCoreApplication::processEvents();
            break;
        }
        case Road::Close:
            Frame().close();
            break;
        }
    }

    // What the road does when the user lets the document go.
    void ExpectRoadTaken(Road road) const
    {
        switch (road) {
        case Road::New:
            EXPECT_TRUE(Doc().GetPathName().isEmpty());
            EXPECT_FALSE(Doc().IsModified());
            break;
        case Road::Open:
        case Road::RecentFile:
        case Road::Drop:
            EXPECT_EQ(Doc().GetPathName(), m_other);
            EXPECT_TRUE(View().WholeText().startsWith(QStringLiteral("Feature: Other")));
            EXPECT_FALSE(View().WholeText().contains(m_other)) << "the file's name was pasted as text";
            break;
        case Road::Close:
            EXPECT_FALSE(Frame().isVisible());
            break;
        }
    }

    QString m_edited;
    QString m_other;
    QString m_typedText;
};

TEST_P(SavePromptTest, AsksOnceAndActsOnTheAnswer)
{
    const PromptCase c = GetParam();
    m_answers = { c.answer };
    TakeRoad(c.road);

    EXPECT_EQ(m_questions, 1);
    EXPECT_EQ(m_messages.value(0), QStringLiteral("Save changes to edited.feature?"));
    const QByteArray onDisk = ReadFile(m_edited);
    switch (c.answer) {
    case QMessageBox::Yes:
        EXPECT_EQ(onDisk, m_typedText.toUtf8()) << "Yes saves the changes first";
        ExpectRoadTaken(c.road);
        break;
    case QMessageBox::No:
        EXPECT_EQ(onDisk, QByteArray("Feature: Edited\r\n")) << "No leaves the file as it was";
        ExpectRoadTaken(c.road);
        break;
    default:
        EXPECT_EQ(onDisk, QByteArray("Feature: Edited\r\n"));
        EXPECT_EQ(Doc().GetPathName(), m_edited);
        EXPECT_EQ(View().WholeText(), m_typedText) << "Cancel keeps the document with its changes";
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_TRUE(Frame().isVisible());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, SavePromptTest, ::testing::ValuesIn([] {
    std::vector<PromptCase> cases;
    for (Road road : { Road::New, Road::Open, Road::RecentFile, Road::Drop, Road::Close })
        for (auto answer : { QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel })
            cases.push_back({ road, answer });
    return cases;
}()),
    CaseName);

class DocumentRoadTest : public ShellFixture { };

TEST_F(DocumentRoadTest, UnmodifiedDocumentIsDiscardedWithoutAQuestion)
{
    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    StartApp();
    ASSERT_FALSE(Doc().IsModified());
    EXPECT_TRUE(Frame().Documents().OpenDocumentFile(a));
    Frame().Commands().Execute(ID_FILE_NEW);
    EXPECT_EQ(m_questions, 0);
}

TEST_F(DocumentRoadTest, YesOnAnUntitledDocumentWhoseSaveIsCancelledKeepsIt)
{
    StartApp();
    TypeAtEnd(QStringLiteral("\n  Scenario: unsaved work"));
    const QString typed = View().WholeText();
    m_answers = { QMessageBox::Yes };
    m_saveChoice.clear(); // the user cancels the Save As dialog
    Frame().Commands().Execute(ID_FILE_NEW);
    EXPECT_EQ(View().WholeText(), typed);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(DocumentRoadTest, SaveAsGivesTheFeatureExtensionAndRecordsTheFile)
{
    StartApp();
    m_saveChoice = FilePath(QStringLiteral("named"));
    ASSERT_TRUE(Frame().Commands().Execute(ID_FILE_SAVE));
    const QString saved = FilePath(QStringLiteral("named.feature"));
    EXPECT_EQ(Doc().GetPathName(), saved);
    EXPECT_EQ(ReadFile(saved), View().WholeText().toUtf8());
    EXPECT_EQ(m_app->RecentFiles().Paths().value(0), saved);
}

TEST_F(DocumentRoadTest, TitleNamesTheFileAndCarriesTheModifiedMark)
{
    StartApp();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled[*] - Quillmark"));
    EXPECT_FALSE(Frame().isWindowModified());

    const QString a = WriteFile(QStringLiteral("shop[*].feature"), "Feature: Shop\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(a));
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

TEST_F(DocumentRoadTest, MissingFileOnTheCommandLineStartsWithANewDocument)
{
    StartApp({ FilePath(QStringLiteral("missing.feature")) });
    EXPECT_EQ(m_messages.size(), 1) << "the user is told";
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Doc().GetPathName().isEmpty());
    EXPECT_TRUE(View().WholeText().contains(QStringLiteral("[Title]"))) << "the new-document template";
}

TEST_F(DocumentRoadTest, FileOnTheCommandLineIsOpened)
{
    const QString a = WriteFile(QStringLiteral("start.feature"), "Feature: Start\r\n  Scenario: One\r\n");
    StartApp({ a });
    EXPECT_EQ(Doc().GetPathName(), a);
    EXPECT_EQ(View().WholeText(), QStringLiteral("Feature: Start\r\n  Scenario: One\r\n"));
    EXPECT_EQ(m_app->RecentFiles().Paths().value(0), a);
}

TEST_F(DocumentRoadTest, DamagedBytesInAnOpenedFileAreReported)
{
    const QString damaged = WriteFile(QStringLiteral("damaged.feature"), "Feature: Caf\xe9\r\n");
    StartApp();
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(damaged));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QStringLiteral("damaged.feature"))) << m_messages[0].toStdString();
    EXPECT_EQ(Doc().GetPathName(), damaged) << "the file is open all the same";
}
