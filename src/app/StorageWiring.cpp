#include "app/StorageWiring.h"

#include "engine/EngineError.h"
#include "storage/CalculatorState.h"
#include "storage/StackFile.h"
#include "ui/MainWindow.h"
#include "ui/StayOnTopSuspension.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace quarnel::app {

namespace {

const QString kStackFilter = QStringLiteral("RPN Stack (*.STK)");

using Answer = ui::WindowDialogs::Answer;

// Whether a window at this place would show at least a corner on some screen.
bool onSomeScreen(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            return true;
    }
    return false;
}

} // namespace

StorageWiring::StorageWiring(ui::MainWindow& window, const QString& programPath)
    : window_(window), store_(programPath), colours_(window) {}

storage::WindowOptions StorageWiring::currentOptions() const {
    storage::WindowOptions options;
    const QRect frame = window_.frameGeometry();
    options.left = window_.x();
    options.top = window_.y();
    options.height = frame.height();
    options.width = frame.width();
    options.stayOnTop = window_.stayOnTop();
    colours_.fill(options);
    return options;
}

void StorageWiring::applyOptions(const storage::WindowOptions& options) {
    // The window has a fixed size: the stored size is kept for the next save
    // but never stretches the laid-out controls. A place that no screen shows
    // any more (a monitor that was unplugged) falls back to the default place.
    const QRect wanted(QPoint(options.left, options.top), window_.frameGeometry().size());
    if (onSomeScreen(wanted))
        window_.move(wanted.topLeft());
    else
        window_.move(storage::WindowOptions{}.left, storage::WindowOptions{}.top);
    colours_.apply(options);
    if (options.stayOnTop != window_.stayOnTop())
        window_.toggleStayOnTop();
}

void StorageWiring::load() {
    storage::WindowOptions options = currentOptions();
    QString notice;
    try {
        notice = storage::loadCalculatorState(store_, window_.calculator(), options).notice;
    } catch (const engine::EngineError& failure) {
        // Whatever was read before the failure stays; the start goes on.
        notice = QStringLiteral("The saved calculator state could not be restored completely: %1")
                     .arg(QString::fromUtf8(failure.what()));
    }
    applyOptions(options);
    window_.setStateInRegistry(store_.inRegistry());
    if (!notice.isEmpty()) {
        // Told once the window is up; the start itself never waits for it.
        QPointer<ui::MainWindow> window(&window_);
        QTimer::singleShot(0, &window_, [window, notice] {
            if (window)
                window->dialogs().message(window, notice);
        });
    }
}

bool StorageWiring::save() {
    const storage::WindowOptions options = currentOptions();
    storage::SaveOutcome outcome =
        storage::saveCalculatorState(store_, window_.calculator(), options);
    if (outcome.status == storage::SaveOutcome::Status::BackupFailed) {
        QString question = outcome.failure.message;
        if (!outcome.failure.reason.isEmpty())
            question += QStringLiteral("\n") + outcome.failure.reason;
        question += window_.calculator().stack().empty()
                        ? QStringLiteral("\n\nClose anyway? The old backup stays as it was.")
                        : QStringLiteral("\n\nClose anyway? The stack will not be kept.");
        if (window_.dialogs().confirm(&window_, question) != Answer::Ok)
            return false;
        outcome = storage::saveCalculatorState(store_, window_.calculator(), options,
                                               storage::BackupFailure::Continue);
    }
    if (outcome.status == storage::SaveOutcome::Status::SettingsFailed) {
        window_.dialogs().error(&window_, outcome.failure.message);
        QString question = QStringLiteral("The calculator state could not be saved");
        if (!outcome.failure.reason.isEmpty())
            question += QStringLiteral(" (%1)").arg(outcome.failure.reason);
        // The default answer keeps the session: closing loses it.
        question += QStringLiteral(".\nKeep the window open? (Cancel closes without saving.)");
        return window_.dialogs().confirm(&window_, question) != Answer::Ok;
    }
    return true;
}

void StorageWiring::toggleStore() {
    store_.toggle();
    window_.setStateInRegistry(store_.inRegistry());
}

void StorageWiring::loadStack() {
    QString chosen;
    {
        ui::StayOnTopSuspension suspension(window_);
        chosen =
            window_.dialogs().openFileName(&window_, QStringLiteral("Load Stack"), kStackFilter);
    }
    if (chosen.isEmpty())
        return;
    // Runs inside the Load Stack command: an entry the engine refuses ends it
    // there, and the window's dispatch shows the message.
    const std::optional<storage::Failure> failure =
        storage::loadStackFile(chosen, window_.calculator());
    if (failure)
        window_.dialogs().error(&window_, failure->message);
}

void StorageWiring::saveStack() {
    std::optional<storage::Failure> failure;
    {
        ui::StayOnTopSuspension suspension(window_);
        const QString chosen =
            window_.dialogs().saveFileName(&window_, QStringLiteral("Save Stack"), kStackFilter);
        if (chosen.isEmpty())
            return;
        // The question concerns the file really written, whose extension may
        // differ from the name typed.
        const QString target = storage::stackFileName(chosen);
        if (QFileInfo::exists(target)) {
            const QString question =
                QStringLiteral("%1 already exists.\nDo you want to replace it?")
                    .arg(QDir::toNativeSeparators(target));
            if (window_.dialogs().confirm(&window_, question) != Answer::Ok)
                return;
        }
        failure = storage::saveStackFile(chosen, window_.calculator());
    }
    if (failure)
        window_.dialogs().error(&window_, failure->message);
}

} // namespace quarnel::app
