#include "app/Printing.h"

#include <QApplication>
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

// The number of pages of a PDF file, -1 when it is none.
int PdfPages(const QString& path)
{
    QFile file(path);
    const QString pdf = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    return pdf.startsWith("%PDF") ? int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))))
                                  : -1;
}

// Runs `action` on the modal dialog once the command has opened it.
template <typename Dialog, typename Action> void WhenOpen(Action action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

class PrintingTest : public ::testing::Test {
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
    PrintController m_controller;
};

TEST_F(PrintingTest, PdfHoldsEveryPageAndTheEditorStaysAsItWas)
{
    m_view.setPlainText(Lines(5));
    const QString shortPdf = m_folder.filePath("short.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, shortPdf));
    EXPECT_GT(QFile(shortPdf).size(), 0);
    EXPECT_EQ(PdfPages(shortPdf), 1);

    m_view.setPlainText(Lines(300));
    QTextCursor cursor = m_view.textCursor();
    cursor.setPosition(20);
    m_view.setTextCursor(cursor);
    const bool modified = m_view.document()->isModified();
    const QString longPdf = m_folder.filePath("long.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, longPdf));
    EXPECT_GE(PdfPages(longPdf), 4) << "300 lines of 10-point text cannot fit on fewer pages";
    EXPECT_EQ(m_view.textCursor().position(), 20);
    EXPECT_EQ(m_view.document()->isModified(), modified);
    EXPECT_EQ(m_view.toPlainText(), Lines(300));

    EXPECT_FALSE(PrintToPdf(&m_view, m_folder.filePath("no/such/folder/out.pdf")));
    EXPECT_FALSE(PrintToPdf(nullptr, m_folder.filePath("none.pdf")));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("none.pdf")));
    EXPECT_EQ(m_controller.printer().pageLayout().margins(QPageLayout::Inch), QMarginsF(0.5, 0.5, 0.5, 0.5));
}

TEST_F(PrintingTest, PrintPrintsOnTheChosenPrinterAndPreviewShowsEveryPage)
{
    m_view.setPlainText(Lines(300));
    const QString printed = m_folder.filePath("printed.pdf");
    m_controller.printer().setOutputFormat(QPrinter::PdfFormat);
    m_controller.printer().setOutputFileName(printed);
    WhenOpen<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(m_controller.Print(&m_view, nullptr));
    EXPECT_GE(PdfPages(printed), 4);

    int pages = 0;
    WhenOpen<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& dialog) {
        pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
        dialog.reject();
    });
    m_controller.PrintPreview(&m_view, nullptr);
    EXPECT_GE(pages, 4);
}

TEST_F(PrintingTest, PageSetupChoicesLastForLaterPrints)
{
    WhenOpen<QPageSetupDialog>([](QPageSetupDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
        dialog.accept();
    });
    EXPECT_TRUE(m_controller.PrintSetup(nullptr));
    EXPECT_EQ(m_controller.printer().pageLayout().orientation(), QPageLayout::Landscape);
}

} // namespace
