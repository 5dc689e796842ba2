#include "app/SessionEnd.h"

#include "ui/MainWindow.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace quarnel::app {

namespace {

// The handler only writes a byte here; the event loop reads it and closes.
std::array<int, 2> signalPipe{-1, -1};
constexpr std::array kSessionSignals{SIGTERM, SIGHUP};

} // namespace

SessionEnd::SessionEnd(ui::MainWindow& window) : QObject(&window), window_(window) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this,
                     [this](QSessionManager&) { window_.saveUnattended(); });
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe.data()) != 0)
        return; // no pipe: the signals keep their default action
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::takeSignal);
    struct sigaction action {};
    action.sa_handler = &SessionEnd::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSessionSignals)
        ::sigaction(signal, &action, nullptr);
}

SessionEnd::~SessionEnd() {
    if (!notifier_)
        return;
    for (int signal : kSessionSignals)
        std::signal(signal, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe = {-1, -1};
}

void SessionEnd::onSignal(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

void SessionEnd::takeSignal() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalPipe[1], &byte, 1);
    window_.closeUnattended();
}

} // namespace quarnel::app
