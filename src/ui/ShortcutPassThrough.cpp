#include "ui/ShortcutPassThrough.h"

#include <QKeyEvent>

namespace quarnel::ui {

ShortcutPassThrough::ShortcutPassThrough(QList<QKeySequence> shortcuts, QObject* parent)
    : QObject(parent), shortcuts_(std::move(shortcuts)) {}

bool ShortcutPassThrough::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& shortcut : shortcuts_) {
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
                // Not accepting the override lets the shortcut fire.
                key->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quarnel::ui
