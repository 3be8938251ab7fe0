#include "Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

PrintController::PrintController()
    : m_printer(QPrinter::HighResolution)
{
    SetHalfInchMargins(m_printer);
}

bool PrintController::Print(QPlainTextEdit* view, QWidget* parent)
{
    QPrintDialog dialog(&m_printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintDocument(view, m_printer);
}

void PrintController::PrintPreview(QPlainTextEdit* view, QWidget* parent)
{
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

void SetHalfInchMargins(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

bool PrintDocument(const QPlainTextEdit* view, QPrinter& printer)
{
    if (!view)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // A copy is laid out for the page, so the editor keeps its own layout, caret and scroll position.
    const std::unique_ptr<QTextDocument> document(view->document()->clone());
    document->setDefaultFont(view->font());
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&printer);
    QTextOption option = view->document()->defaultTextOption();
    option.setTabStopDistance(view->tabStopDistance() * printer.logicalDpiX() / qMax(1, view->logicalDpiX()));
    // The editor shows long lines unbroken; on paper they would be cut off at the edge.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);

    // The colours of the lines are not part of the text but of each line's layout.
    for (QTextBlock from = view->document()->begin(), to = document->begin(); from.isValid() && to.isValid();
         from = from.next(), to = to.next())
        to.layout()->setFormats(from.layout()->formats());

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

bool PrintToPdf(const QPlainTextEdit* view, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetHalfInchMargins(printer);
    return PrintDocument(view, printer);
}
