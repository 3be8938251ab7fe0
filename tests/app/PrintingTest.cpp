#include "app/Printing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("    Given step number %1 of a long scenario").arg(i);
    return lines.join('\n');
}

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    if (!pdf.startsWith("%PDF"))
        return -1;
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class PrintToPdfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QFont font(QStringLiteral("Courier New"), 10);
        font.setStyleHint(QFont::Monospace);
        m_view.setFont(font);
    }

    QTemporaryDir m_folder;
    QPlainTextEdit m_view;
};

TEST_F(PrintToPdfTest, WritesEveryPageOfTheText)
{
    m_view.setPlainText(Lines(5));
    const QString shortPdf = m_folder.filePath("short.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, shortPdf));
    EXPECT_GT(QFile(shortPdf).size(), 0);
    EXPECT_EQ(PdfPages(shortPdf), 1);

    m_view.setPlainText(Lines(300));
    const QString longPdf = m_folder.filePath("long.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, longPdf));
    // 300 lines of 10-point text cannot fit on fewer than four pages.
    EXPECT_GE(PdfPages(longPdf), 4);
}

TEST_F(PrintToPdfTest, LeavesTheEditorAsItWas)
{
    m_view.setPlainText(Lines(50));
    QTextCursor cursor = m_view.textCursor();
    cursor.setPosition(20);
    m_view.setTextCursor(cursor);
    const bool modified = m_view.document()->isModified();
    ASSERT_TRUE(PrintToPdf(&m_view, m_folder.filePath("view.pdf")));
    EXPECT_EQ(m_view.textCursor().position(), 20);
    EXPECT_EQ(m_view.document()->isModified(), modified);
    EXPECT_EQ(m_view.toPlainText(), Lines(50));
}

TEST_F(PrintToPdfTest, UnwritablePlaceIsReportedAsFailure)
{
    m_view.setPlainText(Lines(3));
    EXPECT_FALSE(PrintToPdf(&m_view, m_folder.filePath("no/such/folder/out.pdf")));
    EXPECT_FALSE(PrintToPdf(nullptr, m_folder.filePath("none.pdf")));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("none.pdf")));
}

TEST(PrintController, KeepsHalfInchMarginsOnEverySide)
{
    PrintController controller;
    const QMarginsF margins = controller.printer().pageLayout().margins(QPageLayout::Inch);
    EXPECT_DOUBLE_EQ(margins.left(), 0.5);
    EXPECT_DOUBLE_EQ(margins.top(), 0.5);
    EXPECT_DOUBLE_EQ(margins.right(), 0.5);
    EXPECT_DOUBLE_EQ(margins.bottom(), 0.5);
}

// --- The three commands, their dialogs answered as a user would ---

class PrintCommandsTest : public PrintToPdfTest {
protected:
    // Runs `action` on the modal dialog once the command has opened it.
    template <typename Dialog, typename Action> static void WhenOpen(Action action)
    {
        QTimer::singleShot(0, [action] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            action(*dialog);
        });
    }

    PrintController m_controller;
};

TEST_F(PrintCommandsTest, PrintPrintsOnTheChosenPrinter)
{
    m_view.setPlainText(Lines(150));
    const QString path = m_folder.filePath("printed.pdf");
    m_controller.printer().setOutputFormat(QPrinter::PdfFormat);
    m_controller.printer().setOutputFileName(path);
    WhenOpen<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(m_controller.Print(&m_view, nullptr));
    EXPECT_GE(PdfPages(path), 2);
}

TEST_F(PrintCommandsTest, CancelledPrintPrintsNothing)
{
    m_view.setPlainText(Lines(5));
    const QString path = m_folder.filePath("cancelled.pdf");
    m_controller.printer().setOutputFormat(QPrinter::PdfFormat);
    m_controller.printer().setOutputFileName(path);
    WhenOpen<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(m_controller.Print(&m_view, nullptr));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintCommandsTest, PreviewShowsEveryPage)
{
    m_view.setPlainText(Lines(300));
    int pages = 0;
    WhenOpen<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& dialog) {
        pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
        dialog.reject();
    });
    m_controller.PrintPreview(&m_view, nullptr);
    EXPECT_GE(pages, 4);
}

TEST_F(PrintCommandsTest, PageSetupChoicesLastForLaterPrints)
{
    WhenOpen<QPageSetupDialog>([](QPageSetupDialog& dialog) {
        auto* landscape = dialog.findChild<QRadioButton*>(QStringLiteral("landscape"));
        ASSERT_NE(landscape, nullptr);
        landscape->click();
        dialog.accept();
    });
    EXPECT_TRUE(m_controller.PrintSetup(nullptr));
    EXPECT_EQ(m_controller.printer().pageLayout().orientation(), QPageLayout::Landscape);
    WhenOpen<QPageSetupDialog>([](QPageSetupDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(m_controller.PrintSetup(nullptr));
    EXPECT_EQ(m_controller.printer().pageLayout().orientation(), QPageLayout::Landscape);
}

} // namespace
