#include "ui/InputLine.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace quarnel::ui {

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {}

void InputLine::keyPressEvent(QKeyEvent* event) {
    if (divertTo_) {
        divertTo_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(divertTo_, event);
        return;
    }
    emit keyArriving(event);
    QLineEdit::keyPressEvent(event);
}

void InputLine::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tabbing into a line edit selects all of it; here the caret goes to the end.
    if (hasSelectedText()) {
        deselect();
        end(false);
    }
}

} // namespace quarnel::ui
