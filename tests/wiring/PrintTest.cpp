// Print Stack through the window's print path into a PDF, read back with
// pdftotext; Setup Printer inside the stay-on-top suspension.

#include "PdfReader.h"
#include "WiringFixture.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

#include <string>
#include <vector>

using quarnel::print::test::PdfPage;
using quarnel::print::test::readPdfPages;
using quarnel::print::test::squeezed;
using quarnel::ui::Command;

namespace {

const QString kTitle = QStringLiteral("Contents of QUARNEL stack [ ");
const QString kRule = QString(79, QLatin1Char('-'));

struct PrintCase {
    const char* name;
    std::vector<const char*> entries; // typed and entered in HEX
    const char* thenBase;             // a base button pressed afterwards, or nullptr
    bool numbering;
    QStringList listing; // the lines expected under the header
    bool onTop;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

// The listing lines of a page: everything after the rule, blanks squeezed.
QStringList listingOf(const PdfPage& page) {
    QStringList lines;
    bool pastRule = false;
    for (const QString& line : page) {
        if (pastRule && !line.trimmed().isEmpty())
            lines.append(squeezed(line.trimmed()));
        if (line.trimmed() == kRule)
            pastRule = true;
    }
    return lines;
}

// The header's title line of a page, or empty.
QString titleOf(const PdfPage& page) {
    for (const QString& line : page)
        if (squeezed(line.trimmed()).startsWith(kTitle.trimmed()))
            return squeezed(line.trimmed());
    return {};
}

class PrintStackTest : public WiringTest, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintStackTest, PdfHoldsTheHeaderAndTheListing) {
    const PrintCase& c = GetParam();
    start();
    for (const char* e : c.entries) {
        type(QString::fromLatin1(e));
        click("EnterButton");
    }
    if (c.thenBase)
        click(c.thenBase);
    if (!c.numbering)
        choose(Command::UseStackNumbering);
    if (c.onTop)
        choose(Command::StayOnTop);
    const auto stackBefore = calc().stack().toVector();

    const QString pdf = QDir(workDir()).filePath(QStringLiteral("stack.pdf"));
    dialogs().expectPrint(pdf);
    choose(Command::PrintStack);

    const auto calls = boxes();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].parentOnTop, c.onTop) << "the print dialog is opened as the window is";
    EXPECT_EQ(window().stayOnTop(), c.onTop);

    QString error;
    const std::vector<PdfPage> pages = readPdfPages(pdf, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(pages.size(), 1u);
    const QString title = titleOf(pages[0]);
    EXPECT_TRUE(title.endsWith(QStringLiteral("] Page1"))) << title.toStdString();
    EXPECT_EQ(listingOf(pages[0]), c.listing);

    // The calculator is untouched; StackMemo holds what was printed.
    EXPECT_EQ(calc().stack().toVector(), stackBefore);
    auto* memo = window().findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), c.listing.join(QLatin1Char('\n')));
}

const QString k64Ones(64, QLatin1Char('1'));

// clang-format off
INSTANTIATE_TEST_SUITE_P(Listings, PrintStackTest, ::testing::Values(
    PrintCase{"Numbered", {"1F", "ABC", "3"}, nullptr, true, QStringList{"3: 1F", "2: ABC", "1: 3"}, false},
    PrintCase{"BareValues", {"1F", "ABC", "3"}, nullptr, false, QStringList{"1F", "ABC", "3"}, false},
    PrintCase{"EmptyStackHeaderOnly", {}, nullptr, true, QStringList{}, false},
    PrintCase{"LongerThanTheDisplayInFull", {"FFFFFFFFFFFFFFFF"}, "BinButton", true, QStringList{"1: " + k64Ones}, false},
    PrintCase{"StayOnTopIsNotLowered", {"7"}, nullptr, false, QStringList{"7"}, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class PrintPathTest : public WiringTest {};

TEST_F(PrintPathTest, CancelledPrintDialogPrintsNothing) {
    start();
    type(QStringLiteral("5"));
    click("EnterButton");
    dialogs().expectPrint(QString());
    choose(Command::PrintStack);
    EXPECT_EQ(QDir(workDir()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(calc().stack().toVector(), std::vector<std::string>{"5"});
}

TEST_F(PrintPathTest, FailedJobIsShownAndTheCalculatorIsUntouched) {
    start();
    type(QStringLiteral("5"));
    click("EnterButton");
    type(QStringLiteral("6"));
    dialogs().expectPrint(QDir(workDir()).filePath(QStringLiteral("no/such/folder/x.pdf")));
    dialogs().expectError();
    choose(Command::PrintStack);
    const auto calls = boxes();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[1].text.isEmpty());
    EXPECT_EQ(calc().stack().toVector(), std::vector<std::string>{"5"});
    EXPECT_EQ(calc().inputText(), "6");
}

TEST_F(PrintPathTest, SetupPrinterLowersAStayOnTopWindowMeanwhile) {
    start();
    for (const bool onTop : {false, true}) {
        if (onTop)
            choose(Command::StayOnTop);
        dialogs().clear();
        dialogs().expectSetup(true);
        choose(Command::SetupPrinter);
        const auto calls = boxes();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_FALSE(calls[0].parentOnTop);
        EXPECT_EQ(window().stayOnTop(), onTop);
    }
}

} // namespace
