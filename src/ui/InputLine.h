#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace quarnel::ui {

// The one-line input box. It tells the window about every key before the key
// types into the line, so a key can run its command and still type its
// character afterwards, and it never selects its text when the focus arrives.
class InputLine : public QLineEdit {
    Q_OBJECT
  public:
    explicit InputLine(QWidget* parent = nullptr);

    // While set, every key pressed here goes to `target` instead (and the
    // focus with it): neither the line nor keyArriving sees it.
    void divertKeysTo(QWidget* target) { divertTo_ = target; }

  signals:
    // Emitted for every key press, before the line handles the key.
    void keyArriving(QKeyEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    QWidget* divertTo_ = nullptr;
};

} // namespace quarnel::ui
