#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Each dialog runs until its button is clicked.
void ClickWhenShown(QDialog& dialog, const char* button)
{
    QTimer::singleShot(0, &dialog, [&dialog, button] { dialog.findChild<QPushButton*>(button)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

// Both texts, read-only, from their titles and opened at the first line.
TEST(HelpDialog, ShowsItsTextFromTheTitleAndClosesWithClose)
{
    for (const auto& [which, title] : { std::pair { HelpText::Editor, "Quillmark Help" },
             std::pair { HelpText::Table, "Quillmark Table Help" } }) {
        SCOPED_TRACE(title);
        CHelpDialog dialog(which);
        dialog.show();
        QTextEdit& text = *dialog.findChild<QTextEdit*>(QStringLiteral("helpText"));
        EXPECT_EQ(text.document()->firstBlock().text(), QLatin1String(title));
        EXPECT_TRUE(text.isReadOnly());
        EXPECT_GT(text.verticalScrollBar()->maximum(), 0) << "too long for the box";
        EXPECT_EQ(text.verticalScrollBar()->value(), 0);
        ClickWhenShown(dialog, "closeButton");
    }
}

TEST(AboutDialog, ShowsTheVersionLineAndTheMainWindowsIconAndClosesWithOk)
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QWidget mainWindow;
    mainWindow.setWindowIcon(QIcon(red));
    CAboutDlg dialog(&mainWindow);
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        lines << label->text();
    EXPECT_TRUE(lines.contains("Quillmark, Version 1.0")) << lines.join(" | ").toStdString();
    const QImage icon = dialog.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().toImage();
    EXPECT_EQ(icon.convertToFormat(QImage::Format_RGB32).pixelColor(16, 16), QColor(Qt::red));
    ClickWhenShown(dialog, "okButton");
}

} // namespace
