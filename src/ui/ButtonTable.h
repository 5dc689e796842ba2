#pragma once

#include "calculator/Command.h"
#include "ui/Fonts.h"

#include <span>

namespace quarnel::ui {

// One push button of the main window: Qt object name, client-area geometry,
// face, hint and the command it runs (whose row gives the caption).
struct ButtonSpec {
    const char* objectName;
    int x;
    int y;
    int width;
    int height;
    FontKind font;
    const char* hint;
    calculator::Command command;
};

inline constexpr int kButtonCount = 47;

std::span<const ButtonSpec> buttonTable();

} // namespace quarnel::ui
