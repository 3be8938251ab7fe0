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

TEST(SettingsDialog, OffersEveryLanguageSortedByItsDisplayTextWithItsCode)
{
    for (LanguageListEntry& entry : languageList)
        entry.displayText.clear();
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = LanguageList(dialog);
    ASSERT_EQ(list.count(), LANGUAGE_COUNT);
    for (int i = 1; i < list.count(); ++i)
        EXPECT_LE(list.itemText(i - 1).compare(list.itemText(i), Qt::CaseInsensitive), 0)
            << list.itemText(i - 1).toStdString() << " / " << list.itemText(i).toStdString();
    // Sorting must keep each text with its own code.
    for (const LanguageListEntry& entry : languageList) {
        const QString expected = toQString(entry.englishName) + " (" + toQString(entry.code) + ")";
        EXPECT_EQ(toQString(entry.displayText), expected);
        const int index = list.findText(expected);
        ASSERT_GE(index, 0) << expected.toStdString();
        EXPECT_EQ(list.itemData(index).toString(), toQString(entry.code));
    }
    EXPECT_LT(list.findText(QStringLiteral("Emoji (em)")), list.findText(QStringLiteral("English (en)")));
}

TEST(SettingsDialog, SelectsTheGivenSettingsOnlyWhenOffered)
{
    const struct {
        int fontSize;
        const char* languageID;
        const char* shownSize; // "": no item selected
        const char* shownLanguage;
    } cases[] = {
        { 12, "en", "12", "English (en)" },
        { 24, "de", "24", "German (de)" },
        { 10, "en-au", "10", "Australian (en-au)" },
        { 10, "mr", "10", "Marathi (mr)" },
        { 13, "en", "", "English (en)" },
        { 12, "EN", "12", "" },
        { 12, "", "12", "" },
        { 0, "xx", "", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fontSize << " " << c.languageID);
        CSettingsDialog dialog(c.fontSize, QLatin1String(c.languageID));
        EXPECT_EQ(FontSizeList(dialog).currentText(), QLatin1String(c.shownSize));
        EXPECT_EQ(FontSizeList(dialog).currentIndex() >= 0, *c.shownSize != 0);
        EXPECT_EQ(LanguageList(dialog).currentText(), QLatin1String(c.shownLanguage));
        EXPECT_EQ(LanguageList(dialog).currentIndex() >= 0, *c.shownLanguage != 0);
    }
}

TEST(SettingsDialog, OkGivesTheChosenItemsAndCancelTheGivenSettings)
{
    const struct {
        int fontSize;
        const char* languageID;
        const char* chooseSize; // "": leave the list as it is
        const char* chooseLanguage;
        const char* typed; // typed over both lists afterwards, "": nothing
        const char* button;
        int resultSize;
        const char* resultLanguage;
    } cases[] = {
        { 16, "fr", "", "", "", "okButton", 16, "fr" },
        { 11, "en", "24", "German (de)", "", "okButton", 24, "de" },
        { 13, "xx", "", "", "", "okButton", 13, "xx" }, // nothing selected
        { 12, "en", "", "German (de)", "13", "okButton", 12, "en" }, // typed text is not read
        { 12, "en", "20", "German (de)", "", "cancelButton", 12, "en" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fontSize << " " << c.languageID << " " << c.button);
        CSettingsDialog dialog(c.fontSize, QLatin1String(c.languageID));
        if (*c.chooseSize)
            FontSizeList(dialog).setCurrentIndex(FontSizeList(dialog).findText(QLatin1String(c.chooseSize)));
        if (*c.chooseLanguage)
            LanguageList(dialog).setCurrentIndex(
                LanguageList(dialog).findText(QLatin1String(c.chooseLanguage)));
        if (*c.typed) {
            FontSizeList(dialog).lineEdit()->setText(QLatin1String(c.typed));
            LanguageList(dialog).lineEdit()->setText(QLatin1String(c.typed));
        }
        QTimer::singleShot(
            0, &dialog, [&dialog, &c] { dialog.findChild<QPushButton*>(QLatin1String(c.button))->click(); });
        EXPECT_EQ(
            dialog.exec(), QLatin1String(c.button) == "okButton" ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.fontSize(), c.resultSize);
        EXPECT_EQ(dialog.languageID(), QLatin1String(c.resultLanguage));
        EXPECT_EQ(dialog.windowTitle(), "Settings");
    }
}

} // namespace
