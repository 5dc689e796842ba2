#include "PdfReader.h"

#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>

namespace quarnel::print::test {

void toPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

QString runPdfTool(const QString& program, const QStringList& args, QString* error) {
    QProcess process;
    process.start(program, args);
    const bool ok = process.waitForFinished(30000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok && error)
        *error = program + QStringLiteral(" failed: ") + process.errorString();
    return ok ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

std::vector<PdfPage> readPdfPages(const QString& path, QString* error) {
    const QString text = runPdfTool(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), path, QStringLiteral("-")}, error);
    static const QRegularExpression ends(QStringLiteral("^\\s+|\\s+$")),
        visible(QStringLiteral("\\S"));
    std::vector<PdfPage> pages;
    for (const QString& page : text.split(QLatin1Char('\f'))) { // each page ends with a form feed
        const QStringList lines =
            page.split(QLatin1Char('\n')).replaceInStrings(ends, QString()).filter(visible);
        if (!lines.isEmpty())
            pages.push_back(lines);
    }
    return pages;
}

QStringList pageBody(const PdfPage& page) {
    const qsizetype rule = page.indexOf(QString(79, QLatin1Char('-')));
    return rule < 0 ? QStringList() : page.mid(rule + 1);
}

QString squeezed(const QString& text) {
    return text.simplified();
}

} // namespace quarnel::print::test
