#include "app/WindowPlacement.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quarnel::app {

namespace {

// How much of the title bar's width must be on a screen to take hold of it.
constexpr int kGrip = 40;

} // namespace

QPoint placeOnScreen(int left, int top, QSize frameSize, int titleHeight,
                     const QList<QRect>& screens, QPoint fallback) {
    left = std::clamp(left, -kFarthestCoordinate, kFarthestCoordinate);
    top = std::clamp(top, -kFarthestCoordinate, kFarthestCoordinate);
    const int width = std::clamp(frameSize.width(), 1, kFarthestCoordinate);
    const QRect titleBar(left, top, width, std::max(titleHeight, 1));
    const int grip = std::min(kGrip, width);
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(titleBar);
        if (shown.height() == titleBar.height() && shown.width() >= grip)
            return {left, top};
    }
    return fallback;
}

QPoint outerPosition(const QWidget& window) {
    return window.frameGeometry().topLeft();
}

void moveOuterTo(QWidget& window, QPoint position) {
    window.move(position);
    if (!window.isVisible())
        new FramePlacement(window, position);
}

FramePlacement::FramePlacement(QWidget& window, QPoint position)
    : QObject(&window), window_(window), position_(position) {
    // Before it is shown the window has no frame, and the place is taken for
    // its inside; the frame the window system adds then sits above and left
    // of it. Once the frame is known the window is put where it was asked.
    // A window system that draws no frame leaves nothing to correct.
    constexpr int kLookEveryMs = 20;
    constexpr int kGiveUpMs = 3000;
    connect(&timer_, &QTimer::timeout, this, &FramePlacement::look);
    timer_.start(kLookEveryMs);
    QTimer::singleShot(kGiveUpMs, this, &QObject::deleteLater);
}

void FramePlacement::look() {
    const QWindow* handle = window_.windowHandle();
    if (!window_.isVisible() || !handle || handle->frameMargins().isNull())
        return;
    // The inside goes where the frame, as the window system tells its size,
    // puts the outer corner at the place asked for. The window manager may
    // still be placing the window when the frame is first known, so this
    // looks again until the window is seen there (a few times at most).
    constexpr int kTries = 5;
    const QMargins frame = handle->frameMargins();
    const QPoint inside = position_ + QPoint(frame.left(), frame.top());
    if (window_.geometry().topLeft() == inside || ++tries_ > kTries) {
        timer_.stop();
        deleteLater();
        return;
    }
    window_.setGeometry(QRect(inside, window_.size()));
    timer_.setInterval(100);
}

} // namespace quarnel::app
