// The font size and the language: read at start-up, changed by Settings, written at exit.
#include "dialogs/CSettingsDialog.h"
#include "support/ShellFixture.h"

#include <QComboBox>

namespace {

QSettings Stored()
{
    return QSettings("Quillmark", "Quillmark");
}

class SettingsTest : public ShellFixture {
protected:
    // As the user meets them: the view's font and the keywords of the language.
    std::pair<int, QString> Settings() const
    {
        return { View().font().pointSize(), QString::fromStdU16String(currentLanguage.code) };
    }
    // The Settings dialog picks the items whose data are `languageID` and `fontSize`, then OK or Cancel.
    void ChooseSettings(int command, const QString& languageID, int fontSize, bool accept) const
    {
        DialogAnswers answers;
        answers.Then<CSettingsDialog>([=](CSettingsDialog& dialog) {
            auto* languages = dialog.findChild<QComboBox*>("languageList");
            auto* sizes = dialog.findChild<QComboBox*>("fontSizeList");
            languages->setCurrentIndex(languages->findData(languageID));
            sizes->setCurrentIndex(sizes->findData(fontSize));
            accept ? dialog.accept() : dialog.reject();
        });
        ASSERT_TRUE(Execute(command));
    }
};

TEST_F(SettingsTest, TheCommandAppliesAtOnceStoresAtExitAndStoredValuesAreKeptAsTheyAre)
{
    StartApp();
    EXPECT_EQ(Settings(), std::pair(12, QString("en")));
    ChooseSettings(ID_SETTINGS_NO_MENU, "fr", 20, false);
    EXPECT_EQ(Settings(), std::pair(12, QString("en")));
    const QString before = Text();
    ChooseSettings(ID_SETTINGS, "de", 24, true);
    EXPECT_EQ(Settings(), std::pair(24, QString("de")));
    EXPECT_EQ(Text(), before) << "the text is not touched";
    EXPECT_FALSE(Stored().contains("Configuration/fontSize"));
    Restart();
    EXPECT_EQ(Settings(), std::pair(24, QString("de")));
    EXPECT_TRUE(Text().startsWith("# language: de")) << "a new document is written in the stored language";

    m_app.reset();
    Stored().setValue("Configuration/fontSize", 13);
    Stored().setValue("Configuration/languageID", "xx-unknown");
    SetLanguage(u"fr");
    StartApp();
    EXPECT_EQ(Settings(),
        std::pair(
            13, QString("fr"))); // taken as stored though not offered; an unknown code selects no language
    EXPECT_EQ(m_boxes.texts, QStringList()) << "no message at start-up";
    Stored().clear();
    m_app->ExitInstance();
    EXPECT_EQ(Stored().value("Configuration/fontSize").toInt(), 13);
    EXPECT_EQ(Stored().value("Configuration/languageID").toString(), "xx-unknown");
}

} // namespace
