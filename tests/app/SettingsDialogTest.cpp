#include "app/CSettingsDialog.h"

#include "core/language/KeywordDictionary.h"
#include "platform/StringConvert.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QComboBox& LanguageList(CSettingsDialog& dialog)
{
    return *dialog.findChild<QComboBox*>(QStringLiteral("languageList"));
}

QComboBox& FontSizeList(CSettingsDialog& dialog)
{
    return *dialog.findChild<QComboBox*>(QStringLiteral("fontSizeList"));
}

void Choose(QComboBox& list, const QString& text)
{
    const int index = list.findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list.setCurrentIndex(index);
}

TEST(SettingsDialogLists, LanguagesAreAllOfferedSortedByTheirDisplayText)
{
    for (LanguageListEntry& entry : languageList)
        entry.displayText.clear();
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = LanguageList(dialog);
    ASSERT_EQ(list.count(), LANGUAGE_COUNT);

    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    for (int i = 1; i < texts.size(); ++i)
        EXPECT_LE(texts[i - 1].compare(texts[i], Qt::CaseInsensitive), 0)
            << texts[i - 1].toStdString() << " / " << texts[i].toStdString();
    // Sorting must keep each text with its own code.
    for (const LanguageListEntry& entry : languageList) {
        const QString expected = toQString(entry.englishName) + " (" + toQString(entry.code) + ")";
        EXPECT_EQ(toQString(entry.displayText), expected);
        const int index = list.findText(expected);
        ASSERT_GE(index, 0) << expected.toStdString();
        EXPECT_EQ(list.itemData(index).toString(), toQString(entry.code));
    }
}

TEST(SettingsDialogLists, DisplayTextsOfKnownLanguages)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = LanguageList(dialog);
    for (const char* text :
        { "English (en)", "German (de)", "Australian (en-au)", "Emoji (em)", "Marathi (mr)" })
        EXPECT_GE(list.findText(QLatin1String(text)), 0) << text;
    EXPECT_LT(list.findText(QStringLiteral("Emoji (em)")), list.findText(QStringLiteral("English (en)")));
}

TEST(SettingsDialogLists, FontSizesAreTheSevenOfferedInOrder)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = FontSizeList(dialog);
    const QList<int> sizes = { 10, 11, 12, 14, 16, 20, 24 };
    ASSERT_EQ(list.count(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(list.itemText(i), QString::number(sizes[i]));
        EXPECT_EQ(list.itemData(i).toInt(), sizes[i]);
    }
}

struct Selection {
    int fontSize;
    QString languageID;
    QString shownSize; // empty: no item selected
    QString shownLanguage; // empty: no item selected
};

void PrintTo(const Selection& s, std::ostream* out)
{
    *out << s.fontSize << " " << s.languageID.toStdString();
}

class SettingsDialogInitialSelection : public ::testing::TestWithParam<Selection> { };

TEST_P(SettingsDialogInitialSelection, ShowsTheGivenSettings)
{
    const Selection& given = GetParam();
    CSettingsDialog dialog(given.fontSize, given.languageID);
    EXPECT_EQ(FontSizeList(dialog).currentText(), given.shownSize);
    EXPECT_EQ(FontSizeList(dialog).currentIndex() >= 0, !given.shownSize.isEmpty());
    EXPECT_EQ(LanguageList(dialog).currentText(), given.shownLanguage);
    EXPECT_EQ(LanguageList(dialog).currentIndex() >= 0, !given.shownLanguage.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsDialogInitialSelection,
    ::testing::Values(Selection { 12, "en", "12", "English (en)" },
        Selection { 24, "de", "24", "German (de)" }, Selection { 10, "en-au", "10", "Australian (en-au)" },
        Selection { 10, "mr", "10", "Marathi (mr)" }, Selection { 13, "en", "", "English (en)" },
        Selection { 12, "EN", "12", "" }, Selection { 12, "", "12", "" }, Selection { 0, "xx", "", "" }));

// --- OK and Cancel ---

TEST(SettingsDialogOk, UnchangedGivesBackTheSameSettings)
{
    CSettingsDialog dialog(16, QStringLiteral("fr"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fontSize(), 16);
    EXPECT_EQ(dialog.languageID(), "fr");
}

TEST(SettingsDialogOk, GivesTheChosenItems)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    Choose(LanguageList(dialog), QStringLiteral("German (de)"));
    Choose(FontSizeList(dialog), QStringLiteral("24"));
    dialog.accept();
    EXPECT_EQ(dialog.fontSize(), 24);
    EXPECT_EQ(dialog.languageID(), "de");
}

TEST(SettingsDialogOk, WithoutSelectedItemsKeepsTheGivenSettings)
{
    CSettingsDialog dialog(13, QStringLiteral("xx"));
    dialog.accept();
    EXPECT_EQ(dialog.fontSize(), 13);
    EXPECT_EQ(dialog.languageID(), "xx");
}

TEST(SettingsDialogOk, TextTypedOverTheListsIsNotRead)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    Choose(LanguageList(dialog), QStringLiteral("German (de)"));
    LanguageList(dialog).lineEdit()->setText(QStringLiteral("French"));
    FontSizeList(dialog).lineEdit()->setText(QStringLiteral("13"));
    dialog.accept();
    EXPECT_EQ(dialog.fontSize(), 12);
    EXPECT_EQ(dialog.languageID(), "en");
}

TEST(SettingsDialogCancel, ChangesNothing)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    Choose(LanguageList(dialog), QStringLiteral("German (de)"));
    Choose(FontSizeList(dialog), QStringLiteral("20"));
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.fontSize(), 12);
    EXPECT_EQ(dialog.languageID(), "en");
}

TEST(SettingsDialogModal, ButtonsEndTheModalRun)
{
    for (const auto& [button, expected] :
        { std::pair { "okButton", QDialog::Accepted }, std::pair { "cancelButton", QDialog::Rejected } }) {
        CSettingsDialog dialog(11, QStringLiteral("de"));
        QTimer::singleShot(0, &dialog, [&dialog, name = button] {
            Choose(FontSizeList(dialog), QStringLiteral("14"));
            dialog.findChild<QPushButton*>(QLatin1String(name))->click();
        });
        EXPECT_EQ(dialog.exec(), expected) << button;
        EXPECT_EQ(dialog.fontSize(), expected == QDialog::Accepted ? 14 : 11) << button;
        EXPECT_EQ(dialog.windowTitle(), "Settings");
    }
}

} // namespace
