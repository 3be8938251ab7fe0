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

// The number of pages of a PDF file.
int PdfPages(const QString& path)
{
    return int(
        QString::fromLatin1(ReadBytes(path)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Print Setup's choice holds for the print that follows, on the one printer
// of the session, here printing into a PDF file with no printer needed.
TEST(Printing, PrintTakesThePageSetupChosenBeforeAndLeavesTheEditorAsItWas)
{
    QTemporaryDir folder;
    QPlainTextEdit view;
    view.setFont(QFont(QStringLiteral("Courier New"), 10));
    view.setPlainText(QStringLiteral("    Given a step of a long scenario\n").repeated(300));
    view.moveCursor(QTextCursor::Down);
    const QString text = view.toPlainText();
    PrintController controller;
    DialogAnswers answers;
    answers.Then<QPageSetupDialog>([](QPageSetupDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
        dialog.accept();
    });
    answers.Then<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(controller.PrintSetup(nullptr));
    const QString pdf = folder.filePath("printed.pdf");
    controller.printer().setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(controller.Print(&view, nullptr, pdf));
    EXPECT_EQ(controller.printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GE(PdfPages(pdf), 4) << "300 lines of 10-point text cannot fit on fewer pages";
    EXPECT_EQ(view.textCursor().blockNumber(), 1);
    EXPECT_EQ(view.toPlainText(), text);

    // A print that cannot be written, or has no text, fails.
    controller.printer().setOutputFileName(folder.filePath("no/such/folder/out.pdf"));
    EXPECT_FALSE(PrintDocument(&view, controller.printer()));
    EXPECT_FALSE(PrintDocument(nullptr, controller.printer()));
}

} // namespace
