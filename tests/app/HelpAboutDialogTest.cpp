#include "app/CAboutDlg.h"
#include "app/CHelpDialog.h"
#include "platform/RtfReader.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QTextEdit& HelpTextOf(CHelpDialog& dialog)
{
    return *dialog.findChild<QTextEdit*>(QStringLiteral("helpText"));
}

struct HelpCase {
    HelpText which;
    const char* title;
};

void PrintTo(const HelpCase& help, std::ostream* out)
{
    *out << help.title;
}

class HelpDialogTest : public ::testing::TestWithParam<HelpCase> { };

TEST_P(HelpDialogTest, ShowsItsHelpTextWithTheTitleAtTheTop)
{
    CHelpDialog dialog(GetParam().which);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Help");
    QTextEdit& text = HelpTextOf(dialog);
    EXPECT_EQ(text.document()->firstBlock().text(), QLatin1String(GetParam().title));
    // The text is too long for the box, and it opens at its first line.
    EXPECT_GT(text.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    EXPECT_EQ(text.textCursor().position(), 0);
}

TEST_P(HelpDialogTest, CarriesWellFormedPlainAsciiRtf)
{
    const QByteArray rtf = CHelpDialog::Rtf(GetParam().which);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 128u);
    QTextDocument document;
    EXPECT_TRUE(RtfReader::Read(rtf, document));
}

TEST_P(HelpDialogTest, TypingChangesNothing)
{
    CHelpDialog dialog(GetParam().which);
    QTextEdit& text = HelpTextOf(dialog);
    const QString before = text.toPlainText();
    EXPECT_TRUE(text.isReadOnly());
    for (const auto key : { Qt::Key_X, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_X ? "x" : "");
        QApplication::sendEvent(text.viewport(), &press);
        QApplication::sendEvent(&text, &press);
    }
    EXPECT_EQ(text.toPlainText(), before);
}

TEST_P(HelpDialogTest, OpeningTwiceShowsTheSameFullText)
{
    CHelpDialog first(GetParam().which);
    CHelpDialog second(GetParam().which);
    EXPECT_EQ(HelpTextOf(second).toPlainText(), HelpTextOf(first).toPlainText());
    EXPECT_GT(HelpTextOf(first).document()->blockCount(), 10);
}

TEST_P(HelpDialogTest, CloseEndsTheModalRun)
{
    CHelpDialog dialog(GetParam().which);
    QTimer::singleShot(
        0, &dialog, [&dialog] { dialog.findChild<QPushButton*>(QStringLiteral("closeButton"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(BothTexts, HelpDialogTest,
    ::testing::Values(HelpCase { HelpText::Editor, "Quillmark Help" },
        HelpCase { HelpText::Table, "Quillmark Table Help" }),
    [](const auto& info) { return std::string(info.param.which == HelpText::Editor ? "Editor" : "Table"); });

TEST(AboutDialog, ShowsTheVersionLineAndClosesWithOk)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Quillmark2");
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        lines << label->text();
    EXPECT_TRUE(lines.contains("Quillmark, Version 1.0")) << lines.join(" | ").toStdString();
    EXPECT_GE(lines.size(), 5);
    QTimer::singleShot(
        0, &dialog, [&dialog] { dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(AboutDialog, ShowsTheIconOfTheMainWindow)
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QWidget mainWindow;
    mainWindow.setWindowIcon(QIcon(red));
    CAboutDlg dialog(&mainWindow);
    const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    const QImage shown = icon->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(16, 16), QColor(Qt::red));
}

} // namespace
