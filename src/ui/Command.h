#pragma once

#include "calculator/Command.h"

#include <compare>
#include <cstdint>
#include <optional>

namespace quarnel::ui {

// What a button, key or menu item of the main window asks for: a row of the
// calculator's command table, or one of the window's own commands.
class Command {
  public:
    // Command::Add, Command::Dup2, ...: the calculator's commands.
    using enum calculator::Command;

    // The window's own commands.
    enum Own : std::uint8_t {
        None, // submenus and separators
        LoadStack,
        SaveStack,
        SetupPrinter,
        PrintStack,
        Exit,
        StayOnTop,
        ColorBackground,
        ColorStack,
        ColorFont,
        StoreInIniFile,
        StoreInRegistry,
        RunDemo,
        QuitDemo,
        HelpContents,
        HelpSearch,
        About,
        Copy,           // the input line's text, else level 1
        CopyWithPrefix, // 0x..., 0b..., 0o..., decimal bare
        CopyCLiteral,   // 0x...u or 0x...ull
        CopyAllBases,   // the value in all four bases, one a line
        Paste,          // the clipboard into the input line
        ShowReadout,
    };

    constexpr Command() = default;
    constexpr Command(Own own) : code_(kOwnBase + own) {}
    constexpr Command(calculator::Command command) : code_(static_cast<int>(command)) {}

    // The calculator's row, when it is one.
    constexpr std::optional<calculator::Command> calculatorCommand() const {
        if (code_ >= kOwnBase) {
            return std::nullopt;
        }
        return static_cast<calculator::Command>(code_);
    }
    constexpr Own own() const {
        return code_ >= kOwnBase ? static_cast<Own>(code_ - kOwnBase) : None;
    }

    friend constexpr auto operator<=>(Command, Command) = default;

  private:
    static constexpr int kOwnBase = 256;
    int code_ = kOwnBase + None;
};

} // namespace quarnel::ui
