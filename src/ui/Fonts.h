#pragma once

#include <QFont>

namespace quarnel::ui {

// The faces the window is laid out with. Each names the family it was designed
// for first and falls back to a face every Linux desktop has, so text keeps its
// size and weight where the designed family is missing.
enum class FontKind {
    Window,      // "MS Sans Serif", 10 px: window default, buttons, input line, StackMemo
    WindowLarge, // "MS Sans Serif", 11 px: stack display, "A" button, About window
    Operator,    // "Courier", 13 px: the "*", "-" and "+" buttons
};

QFont makeFont(FontKind kind);

// A font with the given first-choice family and character height in pixels,
// with a fallback of the same kind (sans, serif or monospace).
QFont fontWithFallback(const QString& family, int pixelHeight, bool bold = false);

// `font`, made smaller one pixel at a time until `text` fits in `width` pixels
// (the face that really draws decides, whichever family it falls back to).
QFont fittedFont(QFont font, const QString& text, int width);

} // namespace quarnel::ui
