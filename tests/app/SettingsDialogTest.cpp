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
        bool choose; // 24 and German chosen in the lists
        const char* typed; // typed over both lists afterwards
        bool ok; // OK or Cancel clicked
        int resultSize;
        const char* resultLanguage;
    } cases[] = {
        { 16, "fr", false, "", true, 16, "fr" }, // unchanged
        { 11, "en", true, "", true, 24, "de" },
        { 13, "xx", false, "", true, 13, "xx" }, // nothing selected
        { 12, "en", true, "13", true, 12, "en" }, // typed text is not read
        { 12, "en", true, "", false, 12, "en" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fontSize << " " << c.languageID << (c.ok ? " OK" : " Cancel"));
        CSettingsDialog dialog(c.fontSize, QLatin1String(c.languageID));
        if (c.choose) {
            FontSizeList(dialog).setCurrentIndex(FontSizeList(dialog).findText(QStringLiteral("24")));
            LanguageList(dialog).setCurrentIndex(
                LanguageList(dialog).findText(QStringLiteral("German (de)")));
        }
        if (*c.typed) {
            FontSizeList(dialog).lineEdit()->setText(QLatin1String(c.typed));
            LanguageList(dialog).lineEdit()->setText(QLatin1String(c.typed));
        }
        QTimer::singleShot(0, &dialog, [&dialog, &c] {
            dialog
                .findChild<QPushButton*>(c.ok ? QStringLiteral("okButton") : QStringLiteral("cancelButton"))
                ->click();
        });
        EXPECT_EQ(dialog.exec(), c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.fontSize(), c.resultSize);
        EXPECT_EQ(dialog.languageID(), QLatin1String(c.resultLanguage));
    }
}

} // namespace
