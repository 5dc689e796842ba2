#include "print/StackPrinter.h"

#include "PdfReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarnel::print {
namespace {

using calculator::Calculator;
using engine::NumberBase;

struct StackCase {
    const char* name;
    NumberBase base;
    int wordSize;
    bool numbering;
    std::vector<std::string> entries; // deepest first, as stored
    QStringList expected;             // the lines printed below the header
};

class StackPrinting : public ::testing::TestWithParam<StackCase> {};

// What is printed is the stack as StackView lists it: each entry reduced to
// the word size at full length, deepest first, numbered from the top count
// down to 1 while numbering is on; afterwards the calculator's listing holds
// the same lines and the stack is as it was.
TEST_P(StackPrinting, PrintsTheStackViewListing) {
    const StackCase& c = GetParam();
    Calculator calculator;
    calculator.loadBase(c.base);
    calculator.loadWordSize(c.wordSize);
    calculator.setStackNumbering(c.numbering);
    calculator.loadStack(c.entries);
    const auto stackBefore = calculator.stack().toVector();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("stack.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintStyle style;
    style.font = QFont(QStringLiteral("DejaVu Sans"));
    style.font.setPixelSize(11);

    const PrintResult result = printStack(printer, calculator, style);
    ASSERT_EQ(result.status, PrintStatus::Printed) << result.errorMessage.toStdString();

    QString error;
    const auto pages = test::readPdfPages(path, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(pages.size(), 1u);
    QStringList body;
    bool pastRule = false;
    for (const QString& line : pages[0]) {
        if (pastRule)
            body.append(line.trimmed());
        else if (line.trimmed() == QString(79, QLatin1Char('-')))
            pastRule = true;
    }
    ASSERT_TRUE(pastRule);
    // A line wider than the paper goes on over the following rows.
    EXPECT_EQ(test::joinContinuedRows(body, c.expected), c.expected);
    EXPECT_EQ(stackListing(calculator), c.expected);

    QStringList listing;
    for (const std::string& line : calculator.listing())
        listing.append(QString::fromStdString(line));
    EXPECT_EQ(listing, c.expected);
    EXPECT_EQ(calculator.stack().toVector(), stackBefore);
    EXPECT_FALSE(calculator.stackViewShown());
}

const std::string kOnes128(128, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stacks, StackPrinting, ::testing::Values(
    StackCase{"numberedHex", NumberBase::Hex, 64, true, {"1F", "2", "0"}, {"3: 1F", "2: 2", "1: 0"}},
    StackCase{"bareHex", NumberBase::Hex, 64, false, {"1F", "2", "0"}, {"1F", "2", "0"}},
    StackCase{"reducedToWordSize", NumberBase::Hex, 8, false, {"001F", "1FF"}, {"1F", "FF"}},
    StackCase{"emptyStack", NumberBase::Dec, 64, true, {}, {}},
    StackCase{"fullLengthBinary", NumberBase::Bin, 128, true, {kOnes128, "10"}, {"2: " + QString::fromStdString(kOnes128), "1: 10"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace quarnel::print
