#include "print/StackPrinter.h"

#include "PdfReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> linesOf(const quarnel::calculator::StackListing& listing) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < listing.size(); ++i)
        lines.push_back(listing.line(i));
    return lines;
}

} // namespace

// Printed as StackView lists it; afterwards the listing holds those lines, the stack is unchanged.
TEST(StackPrinting, PrintsTheStackViewListing) {
    quarnel::calculator::Calculator calculator;
    calculator.loadWordSize(8);
    calculator.setStackNumbering(true);
    calculator.loadStack({"001F", "1FF", "0"});
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    quarnel::print::test::toPdf(printer, dir.filePath("stack.pdf"));
    quarnel::print::PrintStyle style;
    style.font.setPixelSize(11);
    EXPECT_EQ(printStack(printer, calculator, style).status, quarnel::print::PrintStatus::Printed);
    const auto pages = quarnel::print::test::readPdfPages(dir.filePath("stack.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(quarnel::print::test::pageBody(pages[0]), QStringList({"3: 1F", "2: FF", "1: 0"}));
    EXPECT_EQ(linesOf(calculator.listing()), (std::vector<std::string>{"3: 1F", "2: FF", "1: 0"}));
    EXPECT_EQ(calculator.stack().toVector(), (std::vector<std::string>{"001F", "1FF", "0"}));
    EXPECT_FALSE(calculator.stackViewShown());
}
