#pragma once

#include <QWidget>

namespace quarnel::app {

// The start-up window: borderless, centred, above other windows. Only its
// purple panel is drawn (the rest of the window is cut away), with eight small
// program icons in a V, the product name and the version.
class SplashScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 465;
    static constexpr int kHeight = 237;
    static constexpr QRect panelRect() { return {80, 50, 306, 137}; }

    explicit SplashScreen(QWidget* parent = nullptr);

  signals:
    // The splash has been painted for the first time.
    void shown();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool painted_ = false;
};

} // namespace quarnel::app
