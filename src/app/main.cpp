#include "app/LayerWiring.h"
#include "app/SingleInstanceGuard.h"
#include "app/SplashScreen.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QTimer>

#include <memory>

namespace {

// The splash stays for just over one second; the event loop keeps it painted.
constexpr int kSplashMs = 1001;

void bringForward(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    QApplication::setOrganizationName(QStringLiteral("Kestrow"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quarnel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarnel-48.png")));

    auto splash = std::make_unique<quarnel::app::SplashScreen>();
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

    quarnel::ui::MainWindow window;
    quarnel::app::wireLayers(window);
    window.loadState();
    QObject::connect(&guard, &quarnel::app::SingleInstanceGuard::activationRequested, &window,
                     [&window] { bringForward(window); });

    splash.reset();
    window.show();
    return app.exec();
}
