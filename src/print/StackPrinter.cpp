#include "print/StackPrinter.h"

namespace quarnel::print {

namespace {

QStringList toStringList(const std::vector<std::string>& lines) {
    QStringList result;
    result.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        result.append(QString::fromStdString(line));
    return result;
}

} // namespace

QStringList stackListing(const calculator::Calculator& calculator) {
    return toStringList(calculator.buildListing());
}

PrintResult printStack(QPrinter& printer, calculator::Calculator& calculator,
                       const PrintStyle& style, const PrintOptions& options) {
    calculator.rebuildListing();
    return printListing(printer, toStringList(calculator.listing()), style, options);
}

} // namespace quarnel::print
