#include "app/PrintWiring.h"

#include "print/StackPrinter.h"
#include "ui/MainWindow.h"
#include "ui/StayOnTopSuspension.h"

#include <QProgressDialog>
#include <QTextEdit>

namespace quarnel::app {

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressDelayMs = 500;

} // namespace

PrintWiring::PrintWiring(ui::MainWindow& window) : window_(window) {}

QPrinter& PrintWiring::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PrintWiring::setupPrinter() {
    ui::StayOnTopSuspension suspension(window_);
    window_.dialogs().printerSetup(&window_, printer());
}

void PrintWiring::printStack() {
    if (!window_.dialogs().print(&window_, printer()))
        return; // cancelled: nothing printed, nothing changed

    QProgressDialog progress(QStringLiteral("Printing the stack..."), QStringLiteral("Cancel"), 0,
                             kProgressSteps, &window_);
    progress.setWindowTitle(window_.windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    print::PrintOptions options = options_;
    options.progress = [&progress](qsizetype done, qsizetype total) {
        progress.setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total)
                                    : kProgressSteps);
        return !progress.wasCanceled();
    };

    const auto* screen = window_.findChild<QTextEdit*>(QStringLiteral("RPNScreen"));
    const print::PrintStyle style{screen ? screen->font() : window_.font(), window_.fontColor(),
                                  static_cast<qreal>(window_.logicalDpiY())};
    // StackMemo holds the printed listing afterwards, shown or not, also when
    // the engine refuses an entry and the window's dispatch ends the command.
    struct RefreshListing {
        ui::MainWindow& window;
        ~RefreshListing() { window.refreshListing(); }
    } refresh{window_};
    const print::PrintResult result =
        print::printStack(printer(), window_.calculator(), style, options);
    progress.close();
    if (result.status == print::PrintStatus::Failed)
        window_.dialogs().error(&window_, result.errorMessage);
}

} // namespace quarnel::app
