#include "print/ListingPrinter.h"

#include "print/PageHeader.h"
#include "print/PageWriter.h"
#include "print/PrinterFont.h"

#include <QCoreApplication>
#include <QPainter>

namespace quarnel::print {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("quarnel::print", text);
}

PrintResult failure(const QString& message, int pages) {
    return {PrintStatus::Failed, message, pages};
}

} // namespace

PrintResult printListing(QPrinter& printer, const QStringList& lines, const PrintStyle& style,
                         const PrintOptions& options) {
    return printListing(
        printer, lines.size(), [&lines](qsizetype i) { return lines.at(i); }, style, options);
}

PrintResult printListing(QPrinter& printer, qsizetype count,
                         const std::function<QString(qsizetype)>& line, const PrintStyle& style,
                         const PrintOptions& options) {
    const auto now = [&options] {
        return options.clock ? options.clock() : QDateTime::currentDateTime();
    };

    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        return failure(tr("The printer could not be opened. Check that a printer is "
                          "available and that the output file can be written."),
                       0);
    }
    painter.setFont(printerFont(style.font, style.screenDotsPerInch));
    painter.setPen(printerInk(style.color));

    PageWriter writer(painter, printer);
    const auto writeHeader = [&](PageWriter& w) {
        for (const QString& row : pageHeader(now(), w.pageNumber(), options.locale))
            w.writeRow(row);
    };
    writeHeader(writer);
    writer.setPageStarter(writeHeader);

    const qsizetype total = count;
    const qsizetype interval = options.progressInterval > 0 ? options.progressInterval : 1;
    for (qsizetype i = 0; i < total; ++i) {
        if (options.progress && i % interval == 0 && !options.progress(i, total)) {
            printer.abort();
            painter.end();
            return {PrintStatus::Cancelled, QString(), writer.pageNumber()};
        }
        if (!writer.writeLine(line(i)) || printer.printerState() == QPrinter::Error) {
            const int pages = writer.pageNumber();
            painter.end();
            return failure(
                tr("The printer reported an error on page %1; printing stopped.").arg(pages),
                pages);
        }
    }

    const int pages = writer.pageNumber();
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failure(tr("The print job could not be finished."), pages);
    if (options.progress)
        options.progress(total, total);
    return {PrintStatus::Printed, QString(), pages};
}

} // namespace quarnel::print
