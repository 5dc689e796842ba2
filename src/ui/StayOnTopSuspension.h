#pragma once

#include "ui/MainWindow.h"

namespace quarnel::ui {

// Lowers a stay-on-top main window for as long as a modal window is open, so
// the modal window cannot end up hidden behind it; restores it afterwards.
// Without stay-on-top it does nothing.
class StayOnTopSuspension {
  public:
    explicit StayOnTopSuspension(MainWindow& window)
        : window_(window), wasOnTop_(window.stayOnTop()) {
        if (wasOnTop_)
            window_.toggleStayOnTop();
    }
    ~StayOnTopSuspension() {
        if (wasOnTop_)
            window_.toggleStayOnTop();
    }
    StayOnTopSuspension(const StayOnTopSuspension&) = delete;
    StayOnTopSuspension& operator=(const StayOnTopSuspension&) = delete;

  private:
    MainWindow& window_;
    bool wasOnTop_;
};

} // namespace quarnel::ui
