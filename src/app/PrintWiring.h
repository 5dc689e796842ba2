#pragma once

#include "print/ListingPrinter.h"

#include <QPrinter>

#include <memory>

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// File / Print...: one printer for the whole run, so the choice made in Setup
// Printer is the printer of the next Print Stack.
class PrintWiring {
  public:
    explicit PrintWiring(ui::MainWindow& window);

    // The printer-setup dialog, with a stay-on-top window lowered meanwhile.
    void setupPrinter();
    // The print dialog (the window stays as it is), then the job with a
    // progress box that can cancel it; a failure is shown in the error box.
    void printStack();

    // Made on first use: creating a printer loads the printing system, which
    // start-up should not wait for.
    QPrinter& printer();
    // How page headers get their time and date (tests fix the moment).
    print::PrintOptions& options() { return options_; }

  private:
    ui::MainWindow& window_;
    std::unique_ptr<QPrinter> printer_;
    print::PrintOptions options_;
};

} // namespace quarnel::app
