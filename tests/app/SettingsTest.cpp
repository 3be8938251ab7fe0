// The two settings: read at start-up as stored, changed by the Settings
// command, written at exit.
#include "ShellFixture.h"
#include "dialogs/CSettingsDialog.h"

#include <QComboBox>

namespace {
QSettings StoredSettings()
{
    return QSettings(QStringLiteral("Quillmark"), QStringLiteral("Quillmark"));
}

// Answers the Settings dialog: picks the items whose data are `languageID` and `fontSize`, then OK or Cancel.
void AnswerSettingsDialog(const QString& languageID, int fontSize, bool accept)
{
    WhenModal<CSettingsDialog>([=](CSettingsDialog& dialog) {
        auto* languages = dialog.findChild<QComboBox*>(QStringLiteral("languageList"));
        auto* sizes = dialog.findChild<QComboBox*>(QStringLiteral("fontSizeList"));
        languages->setCurrentIndex(languages->findData(languageID));
        sizes->setCurrentIndex(sizes->findData(fontSize));
        accept ? dialog.accept() : dialog.reject();
    });
}
}

class SettingsTest : public ShellFixture {
protected:
    void ExpectSettings(int fontSize, const QString& languageID) const
    {
        EXPECT_EQ(m_app->m_fontSize, fontSize);
        EXPECT_EQ(View().font().pointSize(), fontSize);
        EXPECT_EQ(m_app->m_languageID, languageID);
        EXPECT_EQ(currentLanguageCode, languageID.toStdU16String());
    }
};

TEST_F(SettingsTest, StoredValuesAreTakenAsTheyAreEvenWhenNotOfferedAndWrittenBackAtExit)
{
    {
        QSettings stored = StoredSettings();
        stored.setValue(QStringLiteral("Configuration/fontSize"), 13);
        stored.setValue(QStringLiteral("Configuration/languageID"), QStringLiteral("xx-unknown"));
    }
    SetLanguage(u"fr");
    StartApp();
    ExpectSettings(13, QStringLiteral("xx-unknown"));
    EXPECT_EQ(currentLanguage.code, u"fr") << "an unknown code selects nothing";
    EXPECT_TRUE(m_boxes.texts.isEmpty())
        << "no message at start-up: " << m_boxes.texts.join('|').toStdString();
    StoredSettings().clear();

    m_app->ExitInstance();
    QSettings stored = StoredSettings();
    EXPECT_EQ(stored.value(QStringLiteral("Configuration/fontSize")).toInt(), 13);
    EXPECT_EQ(
        stored.value(QStringLiteral("Configuration/languageID")).toString(), QStringLiteral("xx-unknown"));
}

TEST_F(SettingsTest, FirstRunHasTheDefaultsAndTheCommandAppliesAtOnceButStoresOnlyAtExit)
{
    StartApp();
    ExpectSettings(12, QStringLiteral("en"));
    AnswerSettingsDialog(QStringLiteral("fr"), 20, false);
    ASSERT_TRUE(Execute(ID_SETTINGS_NO_MENU));
    ExpectSettings(12, QStringLiteral("en"));
    EXPECT_EQ(currentLanguage.code, u"en") << "Cancel changes nothing";

    const QString before = View().WholeText();
    AnswerSettingsDialog(QStringLiteral("de"), 24, true);
    ASSERT_TRUE(Execute(ID_SETTINGS));
    ExpectSettings(24, QStringLiteral("de"));
    EXPECT_EQ(currentLanguage.code, u"de") << "the dictionary switches at once";
    EXPECT_EQ(View().WholeText(), before) << "the text is not touched";
    EXPECT_FALSE(StoredSettings().contains(QStringLiteral("Configuration/fontSize")));

    Restart();
    ExpectSettings(24, QStringLiteral("de"));
    EXPECT_EQ(currentLanguage.code, u"de");
    EXPECT_TRUE(View().WholeText().startsWith(QStringLiteral("# language: de")))
        << "a new document is written in the stored language";
}
