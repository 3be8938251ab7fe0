#include "Printing.h"

#include "platform/TextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTextDocument>

#include <memory>

PrintController::PrintController()
    : m_printer(QPrinter::HighResolution)
{
    // Half an inch on every side of the page.
    m_printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

void PrintController::ProposeFile(const QString& pdfFileName)
{
    m_printer.setDocName(QFileInfo(pdfFileName).completeBaseName());
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        m_printer.setOutputFileName(pdfFileName);
}

bool PrintController::Print(QPlainTextEdit* view, QWidget* parent, const QString& pdfFileName)
{
    ProposeFile(pdfFileName);
    QPrintDialog dialog(&m_printer, parent);
    // With a real printer chosen, a file name set on the printer would send
    // the print to that file; the dialog's own file box is given the
    // proposal instead, for when the user picks the file. Qt's dialog names
    // that box "filename"; where it has none, Qt proposes its own name.
    if (m_printer.outputFormat() != QPrinter::PdfFormat)
        if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
            file->setText(pdfFileName);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintDocument(view, m_printer);
}

void PrintController::PrintPreview(QPlainTextEdit* view, QWidget* parent, const QString& pdfFileName)
{
    ProposeFile(pdfFileName);
    QPrintPreviewDialog preview(&m_printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
        [view](QPrinter* printer) { PrintDocument(view, *printer); });
    preview.exec();
}

bool PrintController::PrintSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&m_printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintDocument(QPlainTextEdit* view, QPrinter& printer)
{
    if (!view)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // A copy is laid out for the page, so the editor keeps its own layout, caret and scroll position.
    const std::unique_ptr<QTextDocument> document = TextControl(view).CopyWithColours();
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&printer);
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(view->tabStopDistance() * printer.logicalDpiX() / qMax(1, view->logicalDpiX()));
    // The editor shows long lines unbroken; on paper they would be cut off at the edge.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);

    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document->setPageSize(page);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pages = document->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        const QRectF area(QPointF(0, i * page.height()), page);
        painter.save();
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        context.clip = area;
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
