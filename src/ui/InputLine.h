#pragma once

#include <QLineEdit>

#include <functional>

class QKeyEvent;

namespace quarnel::ui {

// The one-line input box. It tells the window about every key before the key
// types into the line, so a key can run its command and still type its
// character afterwards, and it never selects its text when the focus arrives.
// Text that arrives at once (the paste keys, the middle button's X11
// selection, a drop from elsewhere) goes to the paste handler instead of into
// the line.
class InputLine : public QLineEdit {
    Q_OBJECT
  public:
    // The text, where it goes in and how many characters there it replaces.
    using PasteHandler = std::function<void(const QString& text, int at, int replaced)>;

    explicit InputLine(QWidget* parent = nullptr);

    // While set, every key pressed here goes to `target` instead (and the
    // focus with it): neither the line nor keyArriving sees it.
    void divertKeysTo(QWidget* target) { divertTo_ = target; }
    void setPasteHandler(PasteHandler handler) { pasteHandler_ = std::move(handler); }
    // What the paste keys (selection false) or the middle button (true)
    // would paste: the clipboard's text, over the selection, else at the caret.
    struct PasteRequest {
        QString text;
        int at = 0;
        int replaced = 0;
    };
    PasteRequest pasteRequest(bool selection) const;

  signals:
    // Emitted for every key press, before the line handles the key.
    void keyArriving(QKeyEvent* event);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void pasteFrom(bool selection);

    QWidget* divertTo_ = nullptr;
    PasteHandler pasteHandler_;
};

} // namespace quarnel::ui
