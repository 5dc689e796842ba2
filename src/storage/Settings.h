#pragma once

#include "calculator/Limits.h"
#include "engine/NumberBase.h"
#include "storage/WindowOptions.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel::storage {

// The remembered settings, in the order in which they are read and written.
enum class Setting : std::size_t {
    Left,
    Top,
    Height,
    Width,
    BackGround,
    Stack,
    Font,
    StackNumbering,
    StayonTop,
    Base,
    WordSize,
    CalculatorMode,
    InputArgument,
    MaxStackDepth,
    ReadoutShown,
};
inline constexpr std::size_t kSettingCount = 15;

struct SettingKey {
    std::string_view section;
    std::string_view key;
};

inline constexpr std::array<SettingKey, kSettingCount> kSettingKeys{{
    {"Position", "Left"},
    {"Position", "Top"},
    {"Dimensions", "Height"},
    {"Dimensions", "Width"},
    {"Color", "BackGround"},
    {"Color", "Stack"},
    {"Color", "Font"},
    {"RPNScreen", "StackNumbering"},
    {"RPNScreen", "StayonTop"},
    {"Modes", "Base"},
    {"Modes", "WordSize"},
    {"RPNScreen", "CalculatorMode"},
    {"RPNScreen", "InputArgument"},
    {"RPNScreen", "MaxStackDepth"},
    {"Readout", "Shown"},
}};

constexpr const SettingKey& settingKey(Setting s) {
    return kSettingKeys[static_cast<std::size_t>(s)];
}

// Stored text of each setting; an empty optional is a setting the store lacks.
// On writing, an empty optional is a setting left out: it is not added, and a
// line the file already holds for it stays as it is.
using SettingTexts = std::array<std::optional<std::string>, kSettingCount>;

// Every setting as the program uses it.
struct SettingsValues {
    WindowOptions window;
    bool stackNumbering = true;
    engine::NumberBase base = engine::NumberBase::Hex;
    int wordSize = calculator::kDefaultWordSize;
    bool stackView = false; // the StackView listing was open
    std::string inputArgument;
    int maxStackDepth = 0;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// Applies the reading rules to the stored texts. `atStart` is what the window
// shows before loading: it gives the defaults of the size and keeps a colour
// whose text names none.
SettingsValues readSettings(const SettingTexts& texts, const WindowOptions& atStart);

// The texts the settings are saved as.
SettingTexts writeSettings(const SettingsValues& values);

} // namespace quarnel::storage
