#pragma once

#include "calculator/Calculator.h"
#include "print/ListingPrinter.h"

#include <QPrinter>
#include <QStringList>

namespace quarnel::print {

// The stack listing exactly as StackView shows it: every entry at full length
// in the current base, deepest first, with level numbers while numbering is on.
QStringList stackListing(const calculator::Calculator& calculator);

// Print Stack after the print dialog: rebuilds the calculator's StackView
// listing (so an open StackView shows what is printed) and prints it. The
// stack itself is not touched, whatever the outcome.
PrintResult printStack(QPrinter& printer, calculator::Calculator& calculator,
                       const PrintStyle& style, const PrintOptions& options = {});

} // namespace quarnel::print
