#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// Each dialog stays until its button is clicked.
void ExpectClosedBy(QDialog& dialog, const char* button)
{
    dialog.show();
    dialog.findChild<QPushButton*>(button)->click();
    EXPECT_FALSE(dialog.isVisible());
}

// A help text longer than the box opens scrolled to its title, not to wherever
// the text ends.
TEST(HelpDialog, OpensAtTheTitleOfATextTooLongForTheBoxAndClosesWithClose)
{
    CHelpDialog dialog(HelpText::Editor);
    dialog.show();
    QTextEdit& text = *dialog.findChild<QTextEdit*>(QStringLiteral("helpText"));
    EXPECT_EQ(text.document()->firstBlock().text(), "Quillmark Help");
    EXPECT_GT(text.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    ExpectClosedBy(dialog, "closeButton");
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
    // No web or mail address: none has been set up for the program.
    EXPECT_FALSE(lines.join(' ').contains(QRegularExpression("://|@"))) << lines.join(" | ").toStdString();
    const QImage icon = dialog.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().toImage();
    EXPECT_EQ(icon.convertToFormat(QImage::Format_RGB32).pixelColor(16, 16), QColor(Qt::red));
    ExpectClosedBy(dialog, "okButton");
}

} // namespace
