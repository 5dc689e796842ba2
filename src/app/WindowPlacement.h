#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

namespace quarnel::app {

// Stored coordinates are brought into this range before anything is added to
// them; no screen reaches that far.
inline constexpr int kFarthestCoordinate = 1 << 20;

// Where the window's outer top-left goes for a stored Left/Top: the stored
// place when enough of the title bar (`titleHeight` high, across `frameSize`)
// lies on one of `screens` to take hold of it, else `fallback`.
QPoint placeOnScreen(int left, int top, QSize frameSize, int titleHeight,
                     const QList<QRect>& screens, QPoint fallback);

// The window's outer top-left, as the settings keep it.
QPoint outerPosition(const QWidget& window);
// Puts the window's outer top-left at `position`, also before the window
// system has drawn a frame around it (the frame then goes there, not the
// window's inside).
void moveOuterTo(QWidget& window, QPoint position);

// moveOuterTo's helper: waits for the window's first frame, then moves it.
class FramePlacement : public QObject {
    Q_OBJECT
  public:
    FramePlacement(QWidget& window, QPoint position);

  private:
    void look();

    QWidget& window_;
    QPoint position_;
    QTimer timer_;
    int tries_ = 0;
};

} // namespace quarnel::app
