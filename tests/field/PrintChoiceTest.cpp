// What reaches the paper: the printer chosen in Setup Printer, and ink that
// can be read on white paper whatever the display's text colour.

#include "PdfReader.h"
#include "app/LayerWiring.h"
#include "print/ListingPrinter.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

using quarnel::ui::Command;

namespace {

// Runs `answer` on the first dialog that opens from now on.
void whenDialogOpens(const std::function<void(QDialog&)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(50);
}

// The dialog of Setup Printer chooses the printer (here: a file), and the
// next Print Stack prints there.
TEST(SetupPrinter, ItsChoiceIsThePrinterOfTheNextJob) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosenFile = dir.filePath(QStringLiteral("chosen.pdf"));
    quarnel::ui::MainWindow window;
    quarnel::app::wireLayers(window, dir.filePath(QStringLiteral("quarnel")));
    window.calculator().setInputText("1F2E");
    window.execute(Command::Enter);

    bool choiceOffered = false;
    whenDialogOpens([&](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        choiceOffered = printers && file;
        if (choiceOffered) {
            printers->setCurrentIndex(printers->count() - 1); // print to a file
            file->setText(chosenFile);
            dialog.accept();
        } else {
            dialog.reject();
        }
    });
    window.execute(Command::SetupPrinter);
    ASSERT_TRUE(choiceOffered) << "Setup Printer offers no choice of printer";

    whenDialogOpens([](QDialog& dialog) { dialog.accept(); });
    window.execute(Command::PrintStack);
    QString error;
    const auto pages = quarnel::print::test::readPdfPages(chosenFile, &error);
    ASSERT_EQ(pages.size(), 1u) << error.toStdString();
    EXPECT_TRUE(pages[0].join(QLatin1Char('\n')).contains(QStringLiteral("1F2E")));
}

// --- ink ----------------------------------------------------------------------

struct InkCase {
    const char* name;
    QColor display; // the display's text colour
    QColor paper;   // what the print must show
};

void PrintTo(const InkCase& c, std::ostream* os) {
    *os << c.name;
}

class Ink : public ::testing::TestWithParam<InkCase> {};

// The darkest mark on the printed page, rendered as a reader's PDF viewer does.
QColor darkestMark(const QString& pdf, const QString& stem) {
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, stem});
    const QImage page(stem + QStringLiteral(".png"));
    QColor darkest = Qt::white;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = c;
        }
    }
    return darkest;
}

TEST_P(Ink, IsTheDisplayColourUnlessTooFaintForWhitePaper) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("ink.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    const quarnel::print::PrintStyle style{font, GetParam().display, 96};
    ASSERT_EQ(quarnel::print::printListing(printer, {QStringLiteral("888 888")}, style).status,
              quarnel::print::PrintStatus::Printed);
    const QColor mark = darkestMark(pdf, dir.filePath(QStringLiteral("page")));
    const QColor want = GetParam().paper;
    EXPECT_NEAR(mark.red(), want.red(), 24) << mark.name().toStdString();
    EXPECT_NEAR(mark.green(), want.green(), 24) << mark.name().toStdString();
    EXPECT_NEAR(mark.blue(), want.blue(), 24) << mark.name().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Colours, Ink, ::testing::Values(
    InkCase{"White", Qt::white, Qt::black}, InkCase{"Yellow", Qt::yellow, Qt::black},
    InkCase{"Silver", QColor(0xC0, 0xC0, 0xC0), Qt::black}, InkCase{"TransparentRed", QColor(255, 0, 0, 0), Qt::black},
    InkCase{"Red", Qt::red, Qt::red}, InkCase{"Navy", QColor(0, 0, 0x80), QColor(0, 0, 0x80)}, InkCase{"Black", Qt::black, Qt::black}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
