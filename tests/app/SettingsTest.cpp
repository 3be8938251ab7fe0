// The two settings: read at start-up as stored, changed by the Settings
// command, written at exit; and the profile beneath them.
#include "ShellFixture.h"
#include "app/CSettingsDialog.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/RecentFileList.h"
#include "platform/Profile.h"
#include "platform/StringConvert.h"

#include <QApplication>
#include <QComboBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

using namespace CommandId;

namespace {
QSettings StoredSettings()
{
    return QSettings(QStringLiteral("Quillmark"), QStringLiteral("Quillmark"));
}

// Answers the Settings dialog once it is up: picks the items whose data are
// `languageID` and `fontSize`, then OK, or Cancel when `accept` is false.
void AnswerSettingsDialog(const QString& languageID, int fontSize, bool accept)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<CSettingsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        auto* languages = dialog->findChild<QComboBox*>(QStringLiteral("languageList"));
        auto* sizes = dialog->findChild<QComboBox*>(QStringLiteral("fontSizeList"));
        languages->setCurrentIndex(languages->findData(languageID));
        sizes->setCurrentIndex(sizes->findData(fontSize));
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    poll->start(0);
}
}

class SettingsTest : public ShellFixture { };

TEST_F(SettingsTest, FirstRunUsesTheDefaultsAndStoresThemAtExit)
{
    StartApp();
    EXPECT_EQ(m_app->m_fontSize, 12);
    EXPECT_EQ(m_app->m_languageID, QStringLiteral("en"));
    EXPECT_EQ(currentLanguageCode, u"en");
    EXPECT_FALSE(StoredSettings().contains(QStringLiteral("Configuration/fontSize")))
        << "nothing is written before exit";

    m_app->ExitInstance();
    QSettings stored = StoredSettings();
    EXPECT_EQ(stored.value(QStringLiteral("Configuration/fontSize")).toInt(), 12);
    EXPECT_EQ(stored.value(QStringLiteral("Configuration/languageID")).toString(), QStringLiteral("en"));
}

TEST_F(SettingsTest, StoredValuesAreTakenAsTheyAreEvenWhenNotOffered)
{
    {
        QSettings stored = StoredSettings();
        stored.setValue(QStringLiteral("Configuration/fontSize"), 13);
        stored.setValue(QStringLiteral("Configuration/languageID"), QStringLiteral("xx-unknown"));
    }
    SetLanguage(u"fr");
    StartApp();
    EXPECT_EQ(m_app->m_fontSize, 13);
    EXPECT_EQ(m_app->m_languageID, QStringLiteral("xx-unknown"));
    EXPECT_EQ(currentLanguageCode, u"xx-unknown");
    EXPECT_EQ(currentLanguage.code, u"fr") << "an unknown code selects nothing";
    EXPECT_TRUE(m_messages.isEmpty()) << "no message at start-up: " << m_messages.join('|').toStdString();
    EXPECT_EQ(View().FontSize(), 13);

    m_app->ExitInstance();
    QSettings stored = StoredSettings();
    EXPECT_EQ(stored.value(QStringLiteral("Configuration/fontSize")).toInt(), 13);
    EXPECT_EQ(
        stored.value(QStringLiteral("Configuration/languageID")).toString(), QStringLiteral("xx-unknown"));
}

TEST_F(SettingsTest, SettingsCommandAppliesAtOnceAndStoresOnlyAtExit)
{
    StartApp();
    const QString before = View().WholeText();
    AnswerSettingsDialog(QStringLiteral("de"), 24, true);
    ASSERT_TRUE(Frame().Commands().Execute(ID_SETTINGS));

    EXPECT_EQ(m_app->m_languageID, QStringLiteral("de"));
    EXPECT_EQ(m_app->m_fontSize, 24);
    EXPECT_EQ(currentLanguageCode, u"de");
    EXPECT_EQ(currentLanguage.code, u"de") << "the dictionary switches at once";
    EXPECT_EQ(View().FontSize(), 24);
    EXPECT_EQ(View().WholeText(), before) << "the text is not touched";
    EXPECT_FALSE(StoredSettings().contains(QStringLiteral("Configuration/fontSize")));

    m_app->ExitInstance();
    m_app.reset();
    currentLanguageCode = u"en";
    SetLanguage(u"en");

    StartApp();
    EXPECT_EQ(m_app->m_languageID, QStringLiteral("de"));
    EXPECT_EQ(m_app->m_fontSize, 24);
    EXPECT_EQ(currentLanguage.code, u"de");
    EXPECT_TRUE(View().WholeText().startsWith(QStringLiteral("# language: de")))
        << "a new document is written in the stored language";
}

TEST_F(SettingsTest, CancelChangesNothing)
{
    StartApp();
    AnswerSettingsDialog(QStringLiteral("fr"), 20, false);
    ASSERT_TRUE(Frame().Commands().Execute(ID_SETTINGS_NO_MENU));
    EXPECT_EQ(m_app->m_languageID, QStringLiteral("en"));
    EXPECT_EQ(m_app->m_fontSize, 12);
    EXPECT_EQ(currentLanguage.code, u"en");
    EXPECT_EQ(View().FontSize(), 12);
}

TEST_F(SettingsTest, ProfileReadsDefaultsAndIgnoresTextWhereANumberBelongs)
{
    Profile profile(QStringLiteral("Quillmark"), QStringLiteral("Quillmark"));
    EXPECT_EQ(profile.GetProfileInt("Configuration", "fontSize", 12), 12);
    EXPECT_EQ(profile.GetProfileString("Configuration", "languageID", "en"), QStringLiteral("en"));
    profile.WriteProfileString("Configuration", "fontSize", "large");
    EXPECT_EQ(profile.GetProfileInt("Configuration", "fontSize", 12), 12);
    profile.WriteProfileInt("Configuration", "fontSize", -3);
    EXPECT_EQ(profile.GetProfileInt("Configuration", "fontSize", 12), -3);
    profile.WriteProfileString("Configuration", "languageID", QString());
    EXPECT_EQ(profile.GetProfileString("Configuration", "languageID", "en"), QString())
        << "a stored empty code is a value, not a missing one";
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostEight)
{
    RecentFileList list;
    for (int i = 1; i <= 10; ++i)
        list.Add(QStringLiteral("/work/f%1.feature").arg(i));
    list.Add(QStringLiteral("/work/sub/../f7.feature"));

    const QStringList expected = { "/work/f7.feature", "/work/f10.feature", "/work/f9.feature",
        "/work/f8.feature", "/work/f6.feature", "/work/f5.feature", "/work/f4.feature", "/work/f3.feature" };
    EXPECT_EQ(list.Paths(), expected);

    list.Remove(QStringLiteral("/work/f9.feature"));
    EXPECT_EQ(list.Paths().size(), 7);
    EXPECT_FALSE(list.Paths().contains(QStringLiteral("/work/f9.feature")));
}

TEST_F(SettingsTest, RecentFileListSurvivesARestartInOrder)
{
    StartApp();
    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    const QString b = WriteFile(QStringLiteral("b.feature"), "Feature: B\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(a));
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(b));
    m_app->ExitInstance();
    m_app.reset();

    StartApp();
    EXPECT_EQ(m_app->RecentFiles().Paths(), (QStringList { b, a }));
}

TEST_F(SettingsTest, HiddenBarsStayHiddenAtTheNextStart)
{
    StartApp();
    ASSERT_TRUE(Frame().Commands().Execute(ID_VIEW_TOOLBAR));
    ASSERT_TRUE(Frame().StandardToolBar()->isHidden());
    m_app->ExitInstance();
    m_app.reset();

    StartApp();
    EXPECT_TRUE(Frame().StandardToolBar()->isHidden());
    EXPECT_FALSE(Frame().statusBar()->isHidden());
}
