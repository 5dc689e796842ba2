#include "ui/InputLine.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace quarnel::ui {

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {}

bool InputLine::event(QEvent* event) {
    // With nothing selected, Ctrl+C is left to the window's Copy, which copies
    // the whole line (or level 1).
    if (event->type() == QEvent::ShortcutOverride && !hasSelectedText() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
    if (divertTo_) {
        divertTo_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(divertTo_, event);
        return;
    }
    emit keyArriving(event);
    if (pasteHandler_ && event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteFrom(false);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

InputLine::PasteRequest InputLine::pasteRequest(bool selection) const {
    PasteRequest request;
    request.text = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection
                                                                : QClipboard::Clipboard);
    request.at = hasSelectedText() ? selectionStart() : cursorPosition();
    request.replaced = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    return request;
}

void InputLine::pasteFrom(bool selection) {
    const PasteRequest request = pasteRequest(selection);
    pasteHandler_(request.text, request.at, request.replaced);
}

void InputLine::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X11 selection where the press put the caret.
    if (pasteHandler_ && event->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(true);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void InputLine::dropEvent(QDropEvent* event) {
    // A drag within the line only moves its own digits.
    if (!pasteHandler_ || event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString text = event->mimeData()->text();
    const int at = cursorPositionAt(event->position().toPoint());
    // Copied, never moved: the text stays where it came from.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QDragLeaveEvent leave; // ends the line's drop-cursor display
    QLineEdit::dragLeaveEvent(&leave);
    // After the drop has finished, so that a message about the text does not
    // open inside the drag.
    QTimer::singleShot(0, this, [this, text, at] { pasteHandler_(text, at, 0); });
}

void InputLine::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tabbing into a line edit selects all of it; here the caret goes to the
    // end. A selection the user made survives a menu opened over the line
    // (Edit › Paste replaces it).
    if (event->reason() != Qt::PopupFocusReason && hasSelectedText()) {
        deselect();
        end(false);
    }
}

} // namespace quarnel::ui
