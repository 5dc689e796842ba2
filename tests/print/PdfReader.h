#pragma once

#include <QPrinter>
#include <QStringList>

#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"'; // readable failure messages
}

namespace quarnel::print::test {

using PdfPage = QStringList; // one page of text, line by line

// Points the printer at a PDF file on A4, the tests' paper.
void toPdf(QPrinter& printer, const QString& path);
// The output of a poppler tool; empty, with error set if given, when it fails.
QString runPdfTool(const QString& program, const QStringList& args, QString* error);
// The text of a PDF in layout mode, page by page, each line trimmed.
std::vector<PdfPage> readPdfPages(const QString& path, QString* error = nullptr);
// The lines of a page below the header's rule; none without a rule.
QStringList pageBody(const PdfPage& page);

} // namespace quarnel::print::test
