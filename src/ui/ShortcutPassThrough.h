#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace quarnel::ui {

// Text boxes claim some keys for themselves before the menu sees them (a line
// edit takes Ctrl+Z for its own undo). Installed on a text box, this filter
// leaves the given menu shortcuts to the menu, wherever the focus is.
class ShortcutPassThrough : public QObject {
    Q_OBJECT
  public:
    ShortcutPassThrough(QList<QKeySequence> shortcuts, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QKeySequence> shortcuts_;
};

} // namespace quarnel::ui
