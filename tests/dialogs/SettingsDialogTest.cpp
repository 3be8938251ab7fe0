#include "dialogs/CSettingsDialog.h"

#include "core/language/KeywordDictionary.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(SettingsDialog, OffersEveryLanguageSortedByItsTextWithItsCode)
{
    CSettingsDialog dialog(12, QStringLiteral("en"));
    QComboBox& list = *dialog.findChild<QComboBox*>("languageList");
    ASSERT_EQ(list.count(), LANGUAGE_COUNT);
    for (int i = 0; i < list.count(); ++i) {
        const QString text = list.itemText(i);
        // Sorting must keep each text with its own code.
        EXPECT_TRUE(text.endsWith(" (" + list.itemData(i).toString() + ')')) << text.toStdString();
        if (i > 0) {
            EXPECT_LE(list.itemText(i - 1).compare(text, Qt::CaseInsensitive), 0) << text.toStdString();
        }
    }
}

// Only values that are offered are selected at first. OK takes an item only
// while the edit field still shows its text, and keeps the setting of a list
// with none; Cancel keeps both settings.
TEST(SettingsDialog, OkTakesTheChosenItemsAndCancelKeepsTheGivenSettings)
{
    const struct {
        int fontSize;
        const char* languageID;
        QString shown; // size and language
        bool choose; // 24 and German chosen, then "13" typed over the size
        const char* button;
        QString result; // size and language
    } cases[] = {
        { 10, "en-au", "10 Australian (en-au)", true, "okButton", "10 de" },
        { 13, "EN", " ", false, "okButton", "13 EN" },
        { 12, "mr", "12 Marathi (mr)", true, "cancelButton", "12 mr" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fontSize << ' ' << c.languageID << ' ' << c.button);
        CSettingsDialog dialog(c.fontSize, QLatin1String(c.languageID));
        QComboBox& sizes = *dialog.findChild<QComboBox*>("fontSizeList");
        QComboBox& languages = *dialog.findChild<QComboBox*>("languageList");
        EXPECT_EQ(sizes.currentText() + ' ' + languages.currentText(), c.shown);
        if (c.choose) {
            sizes.setCurrentIndex(sizes.findText(QStringLiteral("24")));
            languages.setCurrentIndex(languages.findText(QStringLiteral("German (de)")));
            sizes.lineEdit()->setText(QStringLiteral("13"));
        }
        dialog.findChild<QPushButton*>(c.button)->click();
        EXPECT_EQ(QString::number(dialog.fontSize()) + ' ' + dialog.languageID(), c.result);
    }
}

} // namespace
