#pragma once

#include "calculator/Readout.h"

#include <QFrame>
#include <QRect>

#include <optional>

class QLabel;

namespace quarnel::ui {

class BitGrid;

// The readout under the keypad: the value shown in every base, read signed,
// counted, and as a grid of its bits that flip when clicked. It draws what it
// is given and tells of clicks; the window decides what they do.
class ReadoutPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kWidth = 372;
    static constexpr int kBitsPerRow = 32;
    static constexpr int kGridRows = 4; // 128 bits

    explicit ReadoutPanel(QWidget* parent = nullptr);

    // Empty fields (and a grid without values) when there is no readout.
    void showReadout(const std::optional<calculator::Readout>& readout, int wordSize);
    // The display's colours and face.
    void setColours(const QColor& background, const QColor& text);
    void setDisplayFont(const QFont& font);

    // The grid, and where bit `bit` lies in it (empty outside the word).
    QWidget* bitGrid() const;
    QRect bitRect(int bit) const;

    // "0110 1100": groups of four from the right.
    static QString groupedBits(const std::string& bits);

  signals:
    void bitClicked(int bit);

  private:
    QLabel* addLine(const char* caption, const char* objectName, int row, int rows = 1);

    QLabel* hex_ = nullptr;
    QLabel* dec_ = nullptr;
    QLabel* oct_ = nullptr;
    QLabel* bin_ = nullptr;
    QLabel* signed_ = nullptr;
    QLabel* sizes_ = nullptr;
    QLabel* counts_ = nullptr;
    BitGrid* grid_ = nullptr;
};

} // namespace quarnel::ui
