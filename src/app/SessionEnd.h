#pragma once

#include <QObject>

class QSocketNotifier;

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// The end of the session reaches the window as a close: SIGTERM (logout,
// shutdown) and SIGHUP (the terminal went away) run the unattended close
// sequence, and the desktop's save request writes the state. One per process.
class SessionEnd : public QObject {
    Q_OBJECT
  public:
    explicit SessionEnd(ui::MainWindow& window);
    ~SessionEnd() override;

  private:
    static void onSignal(int signal);
    void takeSignal();

    ui::MainWindow& window_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quarnel::app
