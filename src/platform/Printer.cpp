#include "platform/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {

bool paintPages(QPrinter& printer, const QString& text) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument doc;
    doc.setDefaultFont(QFont("Arial", 12));
    doc.setDocumentMargin(0);
    // Laid out for the printer's resolution, so points on paper are real points.
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setPlainText(text);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    doc.setPageSize(page.size());
    for (int n = 0; n < doc.pageCount(); ++n) {
        if (n > 0 && !printer.newPage())
            return false;
        const QRectF shown(0, n * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        doc.drawContents(&painter, shown);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

bool Printer::available() const {
    return !pdfFile_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

bool Printer::printLine(const QString& text) {
    if (!available())
        return false;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    line.remove(QLatin1Char('\r'));
    lines_ << line;
    return true;
}

bool Printer::endDoc() {
    const QString text = lines_.join(QLatin1Char('\n'));
    lines_.clear();
    if (!available())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    if (pdfFile_.isEmpty()) {
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile_);
    }
    printer.setDocName(QStringLiteral("Pipkin's Classroom letter"));
    if (!printer.isValid())
        return false;
    return paintPages(printer, text);
}

} // namespace platform
