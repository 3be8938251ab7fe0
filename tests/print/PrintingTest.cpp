#include "print/Printing.h"
#include "support/DialogAnswers.h"
#include "support/FileBytes.h"
#include "support/MessageBoxRecorder.h"

#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

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
    EXPECT_EQ(PrintDocument(&view, controller.printer()), PrintResult::Failed);
    EXPECT_EQ(PrintDocument(nullptr, controller.printer()), PrintResult::Failed);
}

// Qt's text layout cannot place text below a certain height, and what lies
// past it would print as one blank page: such a text is refused, whether it
// has very many lines or fewer that each wrap over many.
TEST(Printing, TextTallerThanTheLayoutCanPlaceIsRefusedNotPrintedBlank)
{
    struct Case {
        const char* name;
        int points;
        QString line;
        int lines;
    };
    const Case cases[] = {
        { "many short lines", 72, QStringLiteral("Given"), 30000 },
        { "few lines, each wrapped over ten", 72, QString(120, QLatin1Char('x')), 3000 },
    };
    QTemporaryDir folder;
    const QString pdf = folder.filePath("long.pdf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QPlainTextEdit view;
        view.setFont(QFont(QStringLiteral("Courier New"), c.points));
        view.setPlainText((c.line + '\n').repeated(c.lines));
        PrintController controller;
        controller.printer().setOutputFormat(QPrinter::PdfFormat);
        controller.printer().setOutputFileName(pdf);
        EXPECT_EQ(PrintDocument(&view, controller.printer()), PrintResult::TooLong);
        EXPECT_FALSE(QFile::exists(pdf)) << "a blank page was printed";
    }

    // Print and Print Preview say so; the preview closes again.
    QPlainTextEdit view;
    view.setFont(QFont(QStringLiteral("Courier New"), cases[0].points));
    view.setPlainText((cases[0].line + '\n').repeated(cases[0].lines));
    PrintController controller;
    controller.printer().setOutputFormat(QPrinter::PdfFormat);
    MessageBoxRecorder boxes;
    {
        DialogAnswers answers;
        answers.Then<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
        EXPECT_FALSE(controller.Print(&view, nullptr, pdf));
    }
    QTimer::singleShot(30000, [] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the preview stayed open";
            preview->close();
        }
    });
    controller.PrintPreview(&view, nullptr, pdf);
    const QString message = TooLongToPrintMessage(controller.printer());
    EXPECT_TRUE(message.startsWith("This document is too long to print")) << message.toStdString();
    EXPECT_EQ(boxes.texts, QStringList({ message, message }));
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
