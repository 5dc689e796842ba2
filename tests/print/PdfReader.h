#pragma once

#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace quarnel::print::test {

// One page of a PDF as text: its lines with trailing blanks removed.
using PdfPage = QStringList;

// Reads the text of a PDF back with pdftotext in layout mode, page by page.
// Returns no pages and sets error when the tool is missing or fails.
std::vector<PdfPage> readPdfPages(const QString& path, QString* error);

// A word on a PDF page with its top edge, in points from the top of the page.
struct PdfWord {
    int page = 0; // from 0
    double top = 0;
    QString text;
};

// Every word of a PDF with its position, page by page in reading order.
std::vector<PdfWord> readPdfWords(const QString& path, QString* error);

// The names of the fonts a PDF uses, as pdffonts lists them.
QStringList readPdfFontNames(const QString& path, QString* error);

// Collapses runs of blanks into one, since layout mode may widen gaps
// between words set in a proportional font.
QString squeezed(const QString& text);

// Joins the rows a wide line was continued on back into that line, using the
// lines that were printed as the guide; a row that fits no expected line is
// kept as it is, so a mismatch still shows.
QStringList joinContinuedRows(const QStringList& rows, const QStringList& expected);

} // namespace quarnel::print::test
