#include "print/StackPrinter.h"

namespace quarnel::print {

namespace {

QString lineOf(const calculator::StackListing& listing, qsizetype i) {
    return QString::fromStdString(listing.line(static_cast<std::size_t>(i)));
}

} // namespace

QStringList stackListing(const calculator::Calculator& calculator) {
    const calculator::StackListing listing = calculator.buildListing();
    QStringList result;
    result.reserve(static_cast<qsizetype>(listing.size()));
    for (std::size_t i = 0; i < listing.size(); ++i)
        result.append(lineOf(listing, static_cast<qsizetype>(i)));
    return result;
}

PrintResult printStack(QPrinter& printer, calculator::Calculator& calculator,
                       const PrintStyle& style, const PrintOptions& options) {
    calculator.rebuildListing();
    const calculator::StackListing& listing = calculator.listing();
    return printListing(
        printer, static_cast<qsizetype>(listing.size()),
        [&listing](qsizetype i) { return lineOf(listing, i); }, style, options);
}

} // namespace quarnel::print
