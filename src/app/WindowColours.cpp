#include "app/WindowColours.h"

#include "ui/MainWindow.h"

#include <QApplication>
#include <QPalette>

namespace quarnel::app {

using storage::ColourValue;

namespace {

// The palette role that plays the part of each system colour (by index).
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles{{
    QPalette::Mid,             // clScrollBar
    QPalette::Dark,            // clBackground (the desktop)
    QPalette::Highlight,       // clActiveCaption
    QPalette::Mid,             // clInactiveCaption
    QPalette::Window,          // clMenu
    QPalette::Base,            // clWindow
    QPalette::Shadow,          // clWindowFrame
    QPalette::WindowText,      // clMenuText
    QPalette::Text,            // clWindowText
    QPalette::HighlightedText, // clCaptionText
    QPalette::Window,          // clActiveBorder
    QPalette::Window,          // clInactiveBorder
    QPalette::Dark,            // clAppWorkSpace
    QPalette::Highlight,       // clHighlight
    QPalette::HighlightedText, // clHighlightText
    QPalette::Window,          // clBtnFace
    QPalette::Dark,            // clBtnShadow
    QPalette::PlaceholderText, // clGrayText
    QPalette::ButtonText,      // clBtnText
    QPalette::WindowText,      // clInactiveCaptionText
    QPalette::Light,           // clBtnHighlight
    QPalette::Shadow,          // cl3DDkShadow
    QPalette::Midlight,        // cl3DLight
    QPalette::ToolTipText,     // clInfoText
    QPalette::ToolTipBase,     // clInfoBk
}};

} // namespace

WindowColours::WindowColours(ui::MainWindow& window)
    : window_(window), kept_{{{storage::kButtonFaceColour, window.backgroundColor()},
                              {storage::kWindowColour, window.stackColor()},
                              {storage::kWindowTextColour, window.fontColor()}}} {
    QObject::connect(&window, &ui::MainWindow::colorChosen, &window, [this](ui::Command target) {
        if (target == ui::Command::ColorBackground)
            chosen(Background);
        else if (target == ui::Command::ColorStack)
            chosen(Stack);
        else if (target == ui::Command::ColorFont)
            chosen(Font);
    });
}

void WindowColours::chosen(Which which) {
    const QColor now = shown(which);
    kept_[which] = {storage::rgbColour(now.red(), now.green(), now.blue()), now};
}

std::optional<QColor> WindowColours::toColor(ColourValue value) {
    if (value == storage::kNoColour)
        return std::nullopt;
    if (storage::isSystemColour(value))
        return QApplication::palette().color(
            kSystemRoles[static_cast<std::size_t>(storage::systemColourIndex(value))]);
    // RGB in the low three bytes; a palette-relative value draws as its RGB part.
    return QColor(storage::redOf(value), storage::greenOf(value), storage::blueOf(value));
}

QColor WindowColours::shown(Which which) const {
    switch (which) {
    case Background:
        return window_.backgroundColor();
    case Stack:
        return window_.stackColor();
    case Font:
        return window_.fontColor();
    }
    return {};
}

void WindowColours::show(Which which, const QColor& color) {
    switch (which) {
    case Background:
        window_.setBackgroundColor(color);
        break;
    case Stack:
        window_.setStackColor(color);
        break;
    case Font:
        window_.setFontColor(color);
        break;
    }
}

void WindowColours::apply(Which which, ColourValue value) {
    Kept& kept = kept_[which];
    if (value == kept.value && shown(which) == kept.shown)
        return;
    if (const std::optional<QColor> color = toColor(value))
        show(which, *color);
    kept = {value, shown(which)};
}

void WindowColours::apply(const storage::WindowOptions& options) {
    apply(Background, options.background);
    apply(Stack, options.stack);
    apply(Font, options.font);
}

ColourValue WindowColours::valueToSave(Which which) const {
    const Kept& kept = kept_[which];
    const QColor now = shown(which);
    if (now == kept.shown)
        return kept.value;
    return storage::rgbColour(now.red(), now.green(), now.blue());
}

void WindowColours::fill(storage::WindowOptions& options) const {
    options.background = valueToSave(Background);
    options.stack = valueToSave(Stack);
    options.font = valueToSave(Font);
}

} // namespace quarnel::app
