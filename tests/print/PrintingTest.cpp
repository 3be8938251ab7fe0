#include "print/Printing.h"
#include "support/DialogAnswers.h"
#include "support/FileBytes.h"

#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The number of pages of a PDF file, -1 when it is none.
int PdfPages(const QString& path)
{
    const QString pdf = QString::fromLatin1(ReadBytes(path));
    return pdf.startsWith("%PDF") ? int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))))
                                  : -1;
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_view.setFont(QFont(QStringLiteral("Courier New"), 10));
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("    Given step number %1 of a long scenario").arg(i);
        m_view.setPlainText(lines.join('\n'));
    }

    QTemporaryDir m_folder;
    QPlainTextEdit m_view;
    PrintController m_controller;
};

// Printed into a PDF file, with no printer needed.
bool PrintToPdf(QPlainTextEdit* view, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintDocument(view, printer);
}

TEST_F(PrintingTest, PdfHoldsEveryPageAndTheEditorStaysAsItWas)
{
    m_view.moveCursor(QTextCursor::Down);
    const QString text = m_view.toPlainText();
    const QString pdf = m_folder.filePath("long.pdf");
    ASSERT_TRUE(PrintToPdf(&m_view, pdf));
    EXPECT_GE(PdfPages(pdf), 4) << "300 lines of 10-point text cannot fit on fewer pages";
    EXPECT_EQ(m_view.textCursor().blockNumber(), 1);
    EXPECT_EQ(m_view.toPlainText(), text);
    EXPECT_FALSE(PrintToPdf(&m_view, m_folder.filePath("no/such/folder/out.pdf")));
    EXPECT_FALSE(PrintToPdf(nullptr, m_folder.filePath("none.pdf")));
}

// Print Setup's choice holds for the print that follows, on the one printer
// of the session.
TEST_F(PrintingTest, PrintTakesThePageSetupChosenBefore)
{
    DialogAnswers answers;
    answers.Then<QPageSetupDialog>([](QPageSetupDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
        dialog.accept();
    });
    answers.Then<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(m_controller.PrintSetup(nullptr));
    const QString printed = m_folder.filePath("printed.pdf");
    m_controller.printer().setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(m_controller.Print(&m_view, nullptr, printed));
    EXPECT_EQ(m_controller.printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GE(PdfPages(printed), 4);
}

} // namespace
