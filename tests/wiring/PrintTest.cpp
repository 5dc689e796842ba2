// Print Stack through the window's print path into a PDF; Setup Printer
// inside the stay-on-top suspension. The listing rules are the print tests'.

#include "PdfReader.h"
#include "WiringFixture.h"

#include <QPlainTextEdit>

using quarnel::ui::Command;
using Stack = std::vector<std::string>;

namespace {

TEST_F(WiringTest, PrintStackWritesTheListingAndLeavesTheCalculatorAlone) {
    start();
    for (const char* e : {"1F", "ABC"})
        type(QString::fromLatin1(e), "EnterButton");
    choose(Command::StayOnTop);
    // Setup Printer lowers a stay-on-top window meanwhile; the print dialog does not.
    dialogs().expectSetup(true);
    choose(Command::SetupPrinter);
    const QString pdf = QDir(workDir()).filePath(QStringLiteral("stack.pdf"));
    dialogs().expectPrint(pdf);
    choose(Command::PrintStack);
    auto calls = boxes();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[0].parentOnTop);
    EXPECT_TRUE(calls[1].parentOnTop);
    EXPECT_TRUE(window().stayOnTop());
    QString error;
    const auto pages = quarnel::print::test::readPdfPages(pdf, &error);
    ASSERT_EQ(pages.size(), 1u) << error.toStdString();
    const QStringList listing{"2: 1F", "1: ABC"};
    EXPECT_EQ(quarnel::print::test::pageBody(pages[0]), listing);
    EXPECT_EQ(window().findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"))->toPlainText(),
              listing.join(QLatin1Char('\n')));
    EXPECT_EQ(calc().stack().toVector(), (Stack{"1F", "ABC"}));

    ASSERT_TRUE(QFile::remove(pdf)); // a cancelled dialog prints nothing
    dialogs().expectPrint({});
    choose(Command::PrintStack);
    EXPECT_FALSE(QFile::exists(pdf));
    // A job that fails is shown, and the input stays.
    type(QStringLiteral("6"));
    dialogs().expectPrint(QDir(workDir()).filePath(QStringLiteral("no/such/folder/x.pdf")));
    dialogs().expect(ScriptedDialogs::Kind::Error);
    choose(Command::PrintStack);
    calls = boxes();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_FALSE(calls[4].text.isEmpty());
    EXPECT_EQ(calc().stack().toVector(), (Stack{"1F", "ABC"}));
    EXPECT_EQ(calc().inputText(), "6");
}

} // namespace
