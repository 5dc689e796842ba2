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

void toPdf(QPrinter& printer, const QString& path); // to a PDF file on A4, the tests' paper
// The output of a poppler tool; empty, with error set if given, when it fails.
QString runPdfTool(const QString& program, const QStringList& args, QString* error);
// The text of a PDF in layout mode, page by page, each line trimmed, blank lines left out.
std::vector<PdfPage> readPdfPages(const QString& path, QString* error = nullptr);
QStringList pageBody(const PdfPage& page); // the lines below the header's rule
QString squeezed(const QString& text);     // runs of blanks (layout mode widens gaps) made one

} // namespace quarnel::print::test
