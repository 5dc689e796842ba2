// What reaches the paper: the printer chosen in Setup Printer, and ink that
// can be read on white paper whatever the display's text colour.

#include "PdfReader.h"
#include "app/LayerWiring.h"
#include "print/ListingPrinter.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
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
    const QString chosenFile = dir.filePath(QStringLiteral("chosen.pdf"));
    quarnel::ui::MainWindow window;
    quarnel::app::wireLayers(window, dir.filePath(QStringLiteral("quarnel")));
    window.calculator().setInputText("1F2E");
    window.execute(Command::Enter);

    bool choiceOffered = false;
    whenDialogOpens([&](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if ((choiceOffered = printers && file)) {
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

struct InkCase {
    const char* name;
    QColor display; // the display's text colour
    QColor paper;   // what the print must show
};

class Ink : public ::testing::TestWithParam<InkCase> {};

// The darkest mark on the printed page, rendered as a reader's PDF viewer does.
QColor darkestMark(const QString& pdf, const QString& stem) {
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, stem});
    const QImage page(stem + QStringLiteral(".png"));
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qRed(page.pixel(x, y)) + qGreen(page.pixel(x, y)) + qBlue(page.pixel(x, y)) <
                qRed(darkest) + qGreen(darkest) + qBlue(darkest))
                darkest = page.pixel(x, y);
    return QColor(darkest);
}

TEST_P(Ink, IsTheDisplayColourUnlessTooFaintForWhitePaper) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ink.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    quarnel::print::test::toPdf(printer, pdf);
    QFont font(QStringLiteral("DejaVu Sans"), -1, QFont::Bold);
    font.setPixelSize(40);
    const quarnel::print::PrintStyle style{font, GetParam().display, 96};
    ASSERT_EQ(quarnel::print::printListing(printer, {QStringLiteral("888 888")}, style).status,
              quarnel::print::PrintStatus::Printed);
    const QColor mark = darkestMark(pdf, dir.filePath(QStringLiteral("page")));
    const QColor want = GetParam().paper;
    const int off =
        std::max({std::abs(mark.red() - want.red()), std::abs(mark.green() - want.green()),
                  std::abs(mark.blue() - want.blue())});
    EXPECT_LE(off, 24) << mark.name().toStdString() << " where " << want.name().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Colours, Ink, ::testing::Values(
    InkCase{"White", Qt::white, Qt::black}, InkCase{"Yellow", Qt::yellow, Qt::black},
    InkCase{"Silver", QColor(0xC0, 0xC0, 0xC0), Qt::black}, InkCase{"TransparentRed", QColor(255, 0, 0, 0), Qt::black},
    InkCase{"Red", Qt::red, Qt::red}, InkCase{"Navy", QColor(0, 0, 0x80), QColor(0, 0, 0x80)}, InkCase{"Black", Qt::black, Qt::black}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
