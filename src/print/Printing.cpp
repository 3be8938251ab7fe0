#include "Printing.h"

#include "platform/MessageBox.h"
#include "platform/TextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>
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
    const PrintResult result = PrintDocument(view, m_printer);
    if (result == PrintResult::TooLong)
        MessageBoxError(TooLongToPrintMessage(m_printer), parent);
    return result == PrintResult::Printed;
}

void PrintController::PrintPreview(QPlainTextEdit* view, QWidget* parent, const QString& pdfFileName)
{
    ProposeFile(pdfFileName);
    QPrintPreviewDialog preview(&m_printer, parent);
    QString tooLong;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* printer) {
        if (PrintDocument(view, *printer) != PrintResult::TooLong)
            return;
        // The pages are asked for while the window opens or the paper
        // changes: the window goes once that is over.
        tooLong = TooLongToPrintMessage(*printer);
        QMetaObject::invokeMethod(&preview, &QDialog::reject, Qt::QueuedConnection);
    });
    preview.exec();
    if (!tooLong.isEmpty())
        MessageBoxError(tooLong, parent);
}

bool PrintController::PrintSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&m_printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// Qt's text layout places lines at positions of 26.6 fixed point in 32 bits:
// below a text taller than this many device pixels the positions wrap
// around, the page count comes out as one, and that page is blank.
constexpr double layoutLimit = std::numeric_limits<int>::max() / 64.0;

// Whether every paragraph of the laid-out text stands where it should: the
// first one past the limit is placed above the one before it.
bool PlacedWithinLimit(const QTextDocument& document)
{
    const QAbstractTextDocumentLayout& layout = *document.documentLayout();
    qreal top = 0;
    qreal bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF placed = layout.blockBoundingRect(block);
        if (placed.top() < top)
            return false;
        top = placed.top();
        bottom = placed.bottom();
    }
    return bottom < layoutLimit;
}

} // namespace

PrintResult PrintDocument(QPlainTextEdit* view, QPrinter& printer)
{
    if (!view)
        return PrintResult::Failed;

    // A copy is laid out for the page, so the editor keeps its own layout, caret and scroll position.
    const std::unique_ptr<QTextDocument> document = TextControl(view).CopyWithColours();
    const qreal lineSpacing = QFontMetricsF(document->defaultFont(), &printer).lineSpacing();
    // Every line takes at least a line's height: a text too long even so is
    // refused before the long work of laying it out.
    if (document->blockCount() * lineSpacing >= layoutLimit)
        return PrintResult::TooLong;
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&printer);
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(view->tabStopDistance() * printer.logicalDpiX() / qMax(1, view->logicalDpiX()));
    // The editor shows long lines unbroken; on paper they would be cut off at the edge.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);

    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document->setPageSize(page);
    const int pages = document->pageCount();
    if (!PlacedWithinLimit(*document))
        return PrintResult::TooLong;

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            return PrintResult::Failed;
        const QRectF area(QPointF(0, i * page.height()), page);
        painter.save();
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        context.clip = area;
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

QString TooLongToPrintMessage(const QPrinter& printer)
{
    const double pageHeight = std::max(printer.pageRect(QPrinter::DevicePixel).height(), 1.0);
    return QStringLiteral("This document is too long to print: at this paper size at most %1 pages can be "
                          "printed at once, and it needs more. Print it in parts, each copied into a new "
                          "document, or choose a smaller font size in Settings.")
        .arg(static_cast<long long>(layoutLimit / pageHeight));
}
