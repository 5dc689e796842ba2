#include "app/LayerWiring.h"
#include "app/SessionEnd.h"
#include "app/SingleInstanceGuard.h"
#include "app/SplashScreen.h"
#include "quarnel/Version.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QIcon>
#include <QLayout>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The splash stays for just over one second; the event loop keeps it painted.
constexpr int kSplashMs = 1001;

void bringForward(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

// --help and --version answer on the terminal before anything of the window
// starts (no display is needed for them). Every other argument is left to
// Qt's own options (-platform, -style, ...). Returns the exit status when the
// program should end here.
std::optional<int> answerOnTerminal(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("RPN calculator for programmers. Its terminal front end is quarnel-cli."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    (void)parser.parse(arguments);
    if (parser.isSet(help)) {
        const QString text = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                       QStringLiteral("quarnel"));
        std::fputs(qPrintable(text), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (parser.isSet(version)) {
        std::printf("quarnel %s\n", quarnel::kVersion);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerOnTerminal(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    QApplication::setOrganizationName(QStringLiteral("Kestrow"));
    QApplication::setApplicationVersion(QString::fromLatin1(quarnel::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("quarnel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarnel-48.png")));

    // While the splash is up, the window's controls are built (hidden), so the
    // window is ready the moment the splash second is over. Nothing is read
    // before the single-instance check below.
    std::unique_ptr<quarnel::ui::MainWindow> window;
    auto splash = std::make_unique<quarnel::app::SplashScreen>();
    QObject::connect(
        splash.get(), &quarnel::app::SplashScreen::shown, splash.get(),
        [&window] {
            if (window)
                return;
            window = std::make_unique<quarnel::ui::MainWindow>();
            // Lay out, create and render it once now, so showing it later
            // costs no more than mapping it.
            window->ensurePolished();
            window->layout()->activate();
            window->winId();
            (void)window->grab();
        },
        Qt::QueuedConnection);
    splash->show();
    {
        QEventLoop wait;
        QTimer::singleShot(kSplashMs, &wait, &QEventLoop::quit);
        wait.exec();
    }

    // A second start hands over to the running instance and ends here, before
    // any setting is read.
    quarnel::app::SingleInstanceGuard guard(quarnel::app::SingleInstanceGuard::defaultDirectory(),
                                            QStringLiteral("quarnel"));
    if (guard.claim() == quarnel::app::SingleInstanceGuard::Outcome::AnotherRunning)
        return 0;

    if (!window)
        window = std::make_unique<quarnel::ui::MainWindow>();
    quarnel::app::wireLayers(*window);
    window->loadState();
    // From here on a logout or shutdown closes the window as the user would.
    new quarnel::app::SessionEnd(*window);
    QObject::connect(&guard, &quarnel::app::SingleInstanceGuard::activationRequested, window.get(),
                     [&window] { bringForward(*window); });

    splash.reset();
    window->show();
    if (!guard.problem().isEmpty()) {
        const QString why =
            QStringLiteral("Another Quarnel may be running: %1").arg(guard.problem());
        QTimer::singleShot(0, window.get(),
                           [&window, why] { window->dialogs().message(window.get(), why); });
    }
    const int status = app.exec();
    window.reset();
    return status;
}
