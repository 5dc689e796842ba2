#pragma once

#include "ui/Command.h"
#include "ui/Fonts.h"

#include <span>

namespace quarnel::ui {

// One push button of the main window: Qt object name, caption at start,
// client-area geometry, face, hint and the command it runs.
struct ButtonSpec {
    const char* objectName;
    const char* caption;
    int x;
    int y;
    int width;
    int height;
    FontKind font;
    const char* hint;
    Command command;
};

inline constexpr int kButtonCount = 47;

std::span<const ButtonSpec> buttonTable();

} // namespace quarnel::ui
