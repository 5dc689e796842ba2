#include "app/StorageWiring.h"

#include "app/WindowPlacement.h"
#include "engine/EngineError.h"
#include "storage/CalculatorState.h"
#include "storage/StackFile.h"
#include "ui/MainWindow.h"
#include "ui/StayOnTopSuspension.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace quarnel::app {

namespace {

const QString kStackFilter = QStringLiteral("RPN Stack (*.STK)");

using Answer = ui::WindowDialogs::Answer;

// The title bar's height when the window system has not told it yet.
constexpr int kUsualTitleHeight = 20;

QList<QRect> screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

StorageWiring::StorageWiring(ui::MainWindow& window, const QString& programPath)
    : window_(window), store_(programPath), colours_(window) {}

storage::WindowOptions StorageWiring::currentOptions() const {
    storage::WindowOptions options;
    const QRect frame = window_.frameGeometry();
    const QPoint outer = outerPosition(window_);
    options.left = outer.x();
    options.top = outer.y();
    options.height = frame.height();
    options.width = frame.width();
    options.stayOnTop = window_.stayOnTop();
    options.readoutShown = window_.readoutShown();
    options.readoutStored = readoutStored_;
    colours_.fill(options);
    return options;
}

void StorageWiring::applyOptions(const storage::WindowOptions& options) {
    // The window has a fixed size: the stored size is kept for the next save
    // but never stretches the laid-out controls. A place that no screen shows
    // any more (a monitor that was unplugged), or where the title bar cannot
    // be taken hold of, falls back to the default place.
    const storage::WindowOptions defaults;
    // The readout first: the window's height with it decides where it fits.
    readoutStored_ = options.readoutStored;
    window_.setReadoutShown(options.readoutShown);
    const int titleHeight =
        std::max(window_.geometry().top() - window_.frameGeometry().top(), kUsualTitleHeight);
    moveOuterTo(window_, placeOnScreen(options.left, options.top, window_.frameGeometry().size(),
                                       titleHeight, screenAreas(), {defaults.left, defaults.top}));
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
    // Once written, the readout's setting is kept up to date, also when off.
    readoutStored_ = readoutStored_ || window_.readoutShown();
    const storage::WindowOptions options = currentOptions();
    storage::SaveOutcome outcome =
        storage::saveCalculatorState(store_, window_.calculator(), options);
    if (window_.unattended())
        return saveUnattended(outcome, options);
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

bool StorageWiring::saveUnattended(storage::SaveOutcome outcome,
                                   const storage::WindowOptions& options) {
    // Nobody is there to answer a question: what could not be written keeps
    // its old file, and standard error says why; the close goes on.
    const auto report = [](const storage::Failure& failure) {
        qWarning().noquote() << failure.message << failure.reason;
    };
    if (outcome.status == storage::SaveOutcome::Status::BackupFailed) {
        report(outcome.failure);
        outcome = storage::saveCalculatorState(store_, window_.calculator(), options,
                                               storage::BackupFailure::Continue);
    }
    if (outcome.status == storage::SaveOutcome::Status::SettingsFailed)
        report(outcome.failure);
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
