#include "PdfReader.h"

#include <QProcess>
#include <QRegularExpression>

namespace quarnel::print::test {

namespace {

bool runTool(const QString& program, const QStringList& args, QString* out, QString* error) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(" failed: ") + process.errorString() +
                     QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    *out = QString::fromUtf8(process.readAllStandardOutput());
    return true;
}

QString chopTrailingBlanks(QString line) {
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return line;
}

} // namespace

std::vector<PdfPage> readPdfPages(const QString& path, QString* error) {
    QString text;
    if (!runTool(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")}, &text, error))
        return {};
    QStringList pages = text.split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed too.
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    std::vector<PdfPage> result;
    for (const QString& page : pages) {
        PdfPage lines;
        for (const QString& line : page.split(QLatin1Char('\n')))
            lines.append(chopTrailingBlanks(line));
        while (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        result.push_back(lines);
    }
    return result;
}

std::vector<PdfWord> readPdfWords(const QString& path, QString* error) {
    QString text;
    if (!runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")},
                 &text, error))
        return {};
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word [^>]*yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(1).toDouble(), m.captured(2)});
    }
    return words;
}

QStringList readPdfFontNames(const QString& path, QString* error) {
    QString text;
    if (!runTool(QStringLiteral("pdffonts"), {path}, &text, error))
        return {};
    QStringList names;
    const QStringList lines = text.split(QLatin1Char('\n'));
    // Two heading lines, then one font per line with its name first.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString name = lines.at(i).section(QLatin1Char(' '), 0, 0);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QString squeezed(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QString result = text;
    result.replace(blanks, QStringLiteral(" "));
    return result.trimmed();
}

QStringList joinContinuedRows(const QStringList& rows, const QStringList& expected) {
    QStringList lines;
    QString pending;
    for (const QString& row : rows) {
        pending += row;
        const qsizetype k = lines.size();
        const bool continues = k < expected.size() && pending.size() < expected[k].size() &&
                               expected[k].startsWith(pending);
        if (!continues) {
            lines.append(pending);
            pending.clear();
        }
    }
    if (!pending.isEmpty())
        lines.append(pending);
    return lines;
}

} // namespace quarnel::print::test
