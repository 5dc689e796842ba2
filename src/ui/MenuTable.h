#pragma once

#include "ui/Command.h"

#include <span>
#include <string_view>

namespace quarnel::ui {

// One row of the menu bar, in the order the rows appear. A row of kind Menu
// opens a (sub)menu; the rows after it with a greater depth belong to it.
struct MenuSpec {
    enum class Kind { Menu, Item, Separator };
    Kind kind;
    int depth;              // 0 = menu bar, 1 = item of a menu, 2 = item of a submenu
    const char* objectName; // empty for separators
    const char* caption;    // with the access-key ampersand; empty for calculator commands

    const char* shortcut;   // portable key sequence text, empty for none
    bool checkable;
    bool checked; // at start
    bool enabled; // at start
    Command command;
};

std::span<const MenuSpec> menuTable();

// The row's caption, or for a calculator command the caption of its command row.
std::string_view menuCaption(const MenuSpec& spec);

} // namespace quarnel::ui
