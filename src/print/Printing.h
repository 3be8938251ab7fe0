#pragma once

#include <QPrinter>

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
    // the user cancels or the printer cannot be started.
    bool Print(QPlainTextEdit* view, QWidget* parent);
    // The preview window, from which the user may also print.
    void PrintPreview(QPlainTextEdit* view, QWidget* parent);
    // The page setup dialog; returns whether the user confirmed it.
    bool PrintSetup(QWidget* parent);

    QPrinter& printer() { return m_printer; }

private:
    QPrinter m_printer;
};

// Lays the editor's text out on the pages of `printer` and prints it. Returns
// false when the printer cannot be started (no such printer, a file that cannot
// be written).
bool PrintDocument(QPlainTextEdit* view, QPrinter& printer);
