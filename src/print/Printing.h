#pragma once

#include <QPrinter>
#include <QString>

class QPlainTextEdit;
class QWidget;

// Printing of the editor's text: its own fixed-pitch font, its colours, and
// half-inch margins on every side of the page.
//
// The main window owns one PrintController, so that what the user chooses in
// Print Setup (paper, orientation, margins, printer) holds for the rest of the
// session, for Print and Print Preview alike.
class PrintController {
public:
    PrintController();

    // The print dialog, then the text on the chosen printer. Returns false when
    // the user cancels, the printer cannot be started, or the text is too long
    // to print, which a message box says. Printing to a file proposes
    // `pdfFileName` (the document's name with ".pdf", in its folder).
    bool Print(QPlainTextEdit* view, QWidget* parent, const QString& pdfFileName);
    // The preview window, from which the user may also print, to a file
    // proposed as for Print. A text too long to print closes it again, and a
    // message box says why.
    void PrintPreview(QPlainTextEdit* view, QWidget* parent, const QString& pdfFileName);
    // The page setup dialog; returns whether the user confirmed it.
    bool PrintSetup(QWidget* parent);

    QPrinter& printer() { return m_printer; }

private:
    // The job takes the file's name; a printer that writes a file (the one
    // there is without a print system) proposes that file.
    void ProposeFile(const QString& pdfFileName);

    QPrinter m_printer;
};

enum class PrintResult {
    Printed,
    // The printer cannot be started (no such printer, a file that cannot be
    // written), or there is no text.
    Failed,
    // The laid-out text would be taller than Qt's text layout can place,
    // which would print one blank page; nothing is printed.
    TooLong,
};

// Lays the editor's text out on the pages of `printer` and prints it.
PrintResult PrintDocument(QPlainTextEdit* view, QPrinter& printer);

// What the user is told instead of a blank print: how many pages of the
// printer's paper can be printed at once.
QString TooLongToPrintMessage(const QPrinter& printer);
