#include "storage/Settings.h"

#include "storage/ColourText.h"
#include "storage/IntegerText.h"
#include "storage/StoredBase.h"

namespace quarnel::storage {

namespace {

const std::optional<std::string>& textOf(const SettingTexts& texts, Setting s) {
    return texts[static_cast<std::size_t>(s)];
}

int integerOf(const SettingTexts& texts, Setting s, int defaultValue) {
    const auto& text = textOf(texts, s);
    if (!text) {
        return defaultValue;
    }
    return readIntegerText(*text).value_or(defaultValue);
}

void readColour(const SettingTexts& texts, Setting s, ColourValue& colour) {
    const auto& text = textOf(texts, s);
    if (!text) {
        return;
    }
    if (auto value = readColourText(*text)) {
        colour = *value;
    }
}

} // namespace

SettingsValues readSettings(const SettingTexts& texts, const WindowOptions& atStart) {
    SettingsValues v;
    WindowOptions& w = v.window;
    w = atStart;
    w.left = integerOf(texts, Setting::Left, 50);
    w.top = integerOf(texts, Setting::Top, 50);
    w.height = integerOf(texts, Setting::Height, atStart.height);
    w.width = integerOf(texts, Setting::Width, atStart.width);
    readColour(texts, Setting::BackGround, w.background);
    readColour(texts, Setting::Stack, w.stack);
    readColour(texts, Setting::Font, w.font);
    v.stackNumbering = integerOf(texts, Setting::StackNumbering, 1) != 0;
    w.stayOnTop = integerOf(texts, Setting::StayonTop, 0) != 0;

    v.base = baseFromStoredCode(integerOf(texts, Setting::Base, 1)).value_or(NumberBase::Hex);
    v.wordSize = limitWordSize(integerOf(texts, Setting::WordSize, calculator::kDefaultWordSize));
    v.stackView = integerOf(texts, Setting::CalculatorMode, 0) != 0;
    v.inputArgument = textOf(texts, Setting::InputArgument).value_or(std::string());
    v.maxStackDepth = limitMaxStackDepth(integerOf(texts, Setting::MaxStackDepth, 0));
    w.readoutShown = integerOf(texts, Setting::ReadoutShown, 0) != 0;
    w.readoutStored = textOf(texts, Setting::ReadoutShown).has_value();
    return v;
}

SettingTexts writeSettings(const SettingsValues& v) {
    SettingTexts t;
    auto put = [&t](Setting s, std::string text) {
        t[static_cast<std::size_t>(s)] = std::move(text);
    };
    const WindowOptions& w = v.window;
    put(Setting::Left, std::to_string(w.left));
    put(Setting::Top, std::to_string(w.top));
    put(Setting::Height, std::to_string(w.height));
    put(Setting::Width, std::to_string(w.width));
    put(Setting::BackGround, colourText(w.background));
    put(Setting::Stack, colourText(w.stack));
    put(Setting::Font, colourText(w.font));
    put(Setting::StackNumbering, v.stackNumbering ? "1" : "0");
    put(Setting::StayonTop, w.stayOnTop ? "1" : "0");
    put(Setting::Base, std::to_string(storedBaseCode(v.base)));
    put(Setting::WordSize, std::to_string(v.wordSize));
    put(Setting::CalculatorMode, v.stackView ? "1" : "0");
    put(Setting::InputArgument, v.inputArgument);
    put(Setting::MaxStackDepth, std::to_string(v.maxStackDepth));
    if (w.readoutShown || w.readoutStored) {
        put(Setting::ReadoutShown, w.readoutShown ? "1" : "0");
    }
    return t;
}

} // namespace quarnel::storage
