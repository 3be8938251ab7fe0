#include "app/CAboutDlg.h"
#include "app/CHelpDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class HelpDialogTest : public ::testing::TestWithParam<std::pair<HelpText, const char*>> { };

TEST_P(HelpDialogTest, ShowsItsTextReadOnlyFromTheTitleAndClosesWithClose)
{
    const auto [which, title] = GetParam();
    const QByteArray rtf = CHelpDialog::Rtf(which);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return uchar(c) < 128; }))
        << "plain ASCII RTF";

    CHelpDialog dialog(which);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Help");
    QTextEdit& text = *dialog.findChild<QTextEdit*>(QStringLiteral("helpText"));
    EXPECT_EQ(text.document()->firstBlock().text(), QLatin1String(title));
    EXPECT_GT(text.document()->blockCount(), 10);
    // The text is too long for the box, and it opens at its first line.
    EXPECT_GT(text.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    EXPECT_EQ(text.textCursor().position(), 0);

    const QString before = text.toPlainText();
    CHelpDialog again(which);
    EXPECT_EQ(again.findChild<QTextEdit*>(QStringLiteral("helpText"))->toPlainText(), before)
        << "a second opening shows the same full text";
    EXPECT_TRUE(text.isReadOnly());

    QTimer::singleShot(
        0, &dialog, [&dialog] { dialog.findChild<QPushButton*>(QStringLiteral("closeButton"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(BothTexts, HelpDialogTest,
    ::testing::Values(std::pair { HelpText::Editor, "Quillmark Help" },
        std::pair { HelpText::Table, "Quillmark Table Help" }),
    [](const auto& info) { return std::string(info.param.first == HelpText::Editor ? "Editor" : "Table"); });

TEST(AboutDialog, ShowsTheVersionLineAndTheMainWindowsIconAndClosesWithOk)
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QWidget mainWindow;
    mainWindow.setWindowIcon(QIcon(red));
    CAboutDlg dialog(&mainWindow);
    EXPECT_EQ(dialog.windowTitle(), "About Quillmark2");
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        lines << label->text();
    EXPECT_TRUE(lines.contains("Quillmark, Version 1.0")) << lines.join(" | ").toStdString();

    const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    const QImage shown = icon->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(16, 16), QColor(Qt::red));

    QTimer::singleShot(
        0, &dialog, [&dialog] { dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

} // namespace
