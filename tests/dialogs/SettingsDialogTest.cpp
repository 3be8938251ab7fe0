#include "dialogs/CSettingsDialog.h"

#include "core/language/KeywordDictionary.h"
#include "platform/StringConvert.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QComboBox& List(CSettingsDialog& dialog, const char* name)
{
    return *dialog.findChild<QComboBox*>(QLatin1String(name));
}

TEST(SettingsDialog, OffersEveryLanguageSortedByItsTextWithItsCode)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = List(dialog, "languageList");
    ASSERT_EQ(list.count(), LANGUAGE_COUNT);
    for (int i = 1; i < list.count(); ++i)
        EXPECT_LE(list.itemText(i - 1).compare(list.itemText(i), Qt::CaseInsensitive), 0) << i;
    // Sorting must keep each text with its own code.
    for (const LanguageListEntry& entry : languageList) {
        const int index = list.findText(toQString(entry.englishName + u" (" + entry.code + u")"));
        ASSERT_GE(index, 0) << toQString(entry.code).toStdString();
        EXPECT_EQ(list.itemData(index).toString(), toQString(entry.code));
    }
}

// Only values that are offered are selected; a list with none selected keeps
// its setting on OK, and so does a list whose edit field was typed over.
TEST(SettingsDialog, OkGivesTheChosenItemsAndCancelTheGivenSettings)
{
    const struct {
        int fontSize;
        const char* languageID;
        const char* shownSize; // "": no item selected
        const char* shownLanguage;
        bool choose; // 24 and German chosen in the lists
        const char* typed; // typed over both lists afterwards
        bool ok; // OK or Cancel clicked
        int resultSize;
        const char* resultLanguage;
    } cases[] = {
        { 10, "en-au", "10", "Australian (en-au)", true, "", true, 24, "de" },
        { 13, "EN", "", "", false, "", true, 13, "EN" },
        { 12, "en", "12", "English (en)", true, "13", true, 12, "en" },
        { 12, "mr", "12", "Marathi (mr)", true, "", false, 12, "mr" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fontSize << " " << c.languageID << (c.ok ? " OK" : " Cancel"));
        CSettingsDialog dialog(c.fontSize, QLatin1String(c.languageID));
        QComboBox& sizes = List(dialog, "fontSizeList");
        QComboBox& languages = List(dialog, "languageList");
        EXPECT_EQ(sizes.currentText(), QLatin1String(c.shownSize));
        EXPECT_EQ(languages.currentText(), QLatin1String(c.shownLanguage));
        if (c.choose) {
            sizes.setCurrentIndex(sizes.findText(QStringLiteral("24")));
            languages.setCurrentIndex(languages.findText(QStringLiteral("German (de)")));
        }
        if (*c.typed) {
            sizes.lineEdit()->setText(QLatin1String(c.typed));
            languages.lineEdit()->setText(QLatin1String(c.typed));
        }
        const char* button = c.ok ? "okButton" : "cancelButton";
        QTimer::singleShot(
            0, &dialog, [&dialog, button] { dialog.findChild<QPushButton*>(button)->click(); });
        EXPECT_EQ(dialog.exec(), c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.fontSize(), c.resultSize);
        EXPECT_EQ(dialog.languageID(), QLatin1String(c.resultLanguage));
    }
}

} // namespace
