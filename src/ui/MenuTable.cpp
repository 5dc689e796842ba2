#include "ui/MenuTable.h"

#include <array>

namespace quarnel::ui {

namespace {

using K = MenuSpec::Kind;
using enum Command;

constexpr MenuSpec menu(int depth, const char* name, const char* caption) {
    return {K::Menu, depth, name, caption, "", false, false, true, None};
}
constexpr MenuSpec item(int depth, const char* name, const char* caption, Command command,
                        const char* shortcut = "") {
    return {K::Item, depth, name, caption, shortcut, false, false, true, command};
}
constexpr MenuSpec disabledItem(int depth, const char* name, const char* caption, Command command) {
    return {K::Item, depth, name, caption, "", false, false, false, command};
}
constexpr MenuSpec checkItem(int depth, const char* name, const char* caption, Command command,
                             bool checked) {
    return {K::Item, depth, name, caption, "", true, checked, true, command};
}
constexpr MenuSpec separator(int depth) {
    return {K::Separator, depth, "", "", "", false, false, true, None};
}

constexpr auto kMenus = std::to_array<MenuSpec>({
    menu(0, "File1", "&File"),
    disabledItem(1, "CloseStackView1", "&Close StackView", CloseStackView),
    separator(1),
    item(1, "LoadStack1", "&Load Stack", LoadStack),
    item(1, "SaveStack1", "&Save Stack", SaveStack),
    menu(1, "Print1", "&Print..."),
    item(2, "SetupPrinter1", "&Setup Printer", SetupPrinter),
    item(2, "PrintStack1", "&Print Stack", PrintStack),
    separator(1),
    item(1, "Exit1", "&Exit", Exit),

    menu(0, "Edit1", "&Edit"),
    item(1, "UndoLast1", "&Undo Last", UndoLast, "F2"),
    item(1, "restoreinput1", "&Restore Input", RestoreInput, "Ctrl+Z"),

    menu(0, "Stack1", "&Stack"),
    item(1, "Edit2", "Edi&t", EditLevel1),
    separator(1),
    item(1, "Dup21", "Du&p2", Dup2),
    item(1, "Drop21", "&Drop2", Drop2),
    item(1, "DupN1", "D&upN", DupN),
    item(1, "DropN1", "Drop&N", DropN),
    separator(1),
    item(1, "Pick1", "P&ick", Pick),
    item(1, "Roll1", "Ro&ll", Roll),
    item(1, "RollD1", "R&ollD", RollD),
    item(1, "Over1", "O&ver", Over),
    item(1, "Keep1", "&Keep", Keep),
    separator(1),
    item(1, "Rotate1", "&Rotate", Rotate),
    item(1, "Echo1", "E&cho", Echo),
    separator(1),
    item(1, "Depth1", "D&epth", Depth),
    item(1, "Maximum1", "&Maximum", Maximum),

    menu(0, "Options1", "&Options"),
    checkItem(1, "UseStackNumbering1", "&Use Stack Numbering", UseStackNumbering, true),
    separator(1),
    item(1, "MaximumStackDepth1", "Set &Maximum Stack Depth", SetMaximumStackDepth),
    separator(1),
    checkItem(1, "StayonTop1", "&Stay on Top", StayOnTop, false),
    separator(1),
    menu(1, "Colors1", "Colors..."),
    item(2, "CalculatorBackground1", "Calculator &Background", ColorBackground),
    item(2, "CalculatorStack1", "Calculator &Stack", ColorStack),
    item(2, "StackFont1", "Stack &Font", ColorFont),
    separator(1),
    menu(1, "SaveCalculatorState1", "S&ave Calculator State..."),
    checkItem(2, "InIniFile1", "In &Ini File", StoreInIniFile, true),
    checkItem(2, "InRegistry1", "In &Registry", StoreInRegistry, false),

    menu(0, "Demo1", "&Demo"),
    item(1, "Run1", "&Run Demo", RunDemo),
    disabledItem(1, "QuitDemo1", "&Quit Demo", QuitDemo),

    menu(0, "Help1", "&Help"),
    item(1, "Contents1", "&Contents", HelpContents, "F1"),
    item(1, "SearchforHelpon1", "&Search for Help on...", HelpSearch),
    separator(1),
    item(1, "About1", "&About...", About),
});

} // namespace

std::span<const MenuSpec> menuTable() {
    return kMenus;
}

} // namespace quarnel::ui
