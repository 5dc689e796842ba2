#include "storage/ColourText.h"
#include "storage/Settings.h"
#include "storage/StoredBase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace quarnel::storage {
namespace {

// What the window shows before loading: the defaults of the size and colours.
WindowOptions atStart() {
    WindowOptions w;
    w.height = 320;
    w.width = 394;
    w.background = 0x00123456;
    w.stack = 0x00654321;
    w.font = 0x00ABCDEF;
    return w;
}

// The value a setting reads as, as one number: booleans 0/1, the base as its
// stored code, colours as their value.
// clang-format off
std::int64_t valueOf(const SettingsValues& v, Setting s) {
    switch (s) {
    case Setting::Left: return v.window.left;
    case Setting::Top: return v.window.top;
    case Setting::Height: return v.window.height;
    case Setting::Width: return v.window.width;
    case Setting::BackGround: return v.window.background;
    case Setting::Stack: return v.window.stack;
    case Setting::Font: return v.window.font;
    case Setting::StackNumbering: return v.stackNumbering;
    case Setting::StayonTop: return v.window.stayOnTop;
    case Setting::Base: return storedBaseCode(v.base);
    case Setting::WordSize: return v.wordSize;
    case Setting::CalculatorMode: return v.stackView;
    case Setting::InputArgument: return static_cast<std::int64_t>(v.inputArgument.size());
    case Setting::MaxStackDepth: return v.maxStackDepth;
    }
    return -1;
}
// clang-format on

struct Rule {
    Setting setting;
    std::optional<std::string> stored; // nothing: the key is missing
    std::int64_t expected;
};

constexpr std::int64_t kRed = 0x0000FF;
constexpr std::int64_t kUnchangedBackground = 0x00123456;
constexpr std::int64_t kUnchangedStack = 0x00654321;
constexpr std::int64_t kUnchangedFont = 0x00ABCDEF;

// clang-format off
const Rule kRules[] = {
    // integers: decimal with sign, "$" and "0x" hexadecimal, defaults
    {Setting::Left, std::nullopt, 50}, {Setting::Left, "0x20", 32}, {Setting::Left, "0X1f", 31}, {Setting::Left, "$20", 32},
    {Setting::Left, "$7FFFFFFF", std::numeric_limits<std::int32_t>::max()}, {Setting::Left, "$80000000", 50},
    {Setting::Left, "abc", 50}, {Setting::Left, "", 50}, {Setting::Left, "0x", 50}, {Setting::Left, "$", 50},
    {Setting::Left, "-$10", 50}, {Setting::Left, "+7", 7}, {Setting::Left, "-7", -7}, {Setting::Left, "+-7", 50},
    {Setting::Left, "12abc", 50}, {Setting::Left, "1e3", 50}, {Setting::Left, "007", 7},
    {Setting::Left, "2147483647", 2147483647}, {Setting::Left, "2147483648", 50},
    {Setting::Left, "-2147483648", std::numeric_limits<std::int32_t>::min()}, {Setting::Left, "99999999999999999999999", 50},
    {Setting::Top, std::nullopt, 50}, {Setting::Top, "-20", -20},
    {Setting::Height, std::nullopt, 320}, {Setting::Height, "x", 320}, {Setting::Height, "400", 400},
    {Setting::Width, std::nullopt, 394}, {Setting::Width, "$1F4", 500},
    // base codes: 1 HEX, 2 DEC, 3 BIN, 4 OCT, anything else HEX
    {Setting::Base, std::nullopt, 1}, {Setting::Base, "2", 2}, {Setting::Base, "3", 3}, {Setting::Base, "4", 4},
    {Setting::Base, "1", 1}, {Setting::Base, "0", 1}, {Setting::Base, "5", 1}, {Setting::Base, "-2", 1},
    {Setting::Base, "DEC", 1}, {Setting::Base, "$3", 3},
    // word size limited to 1..128
    {Setting::WordSize, std::nullopt, 64}, {Setting::WordSize, "0", 64}, {Setting::WordSize, "-5", 64}, {Setting::WordSize, "200", 128},
    {Setting::WordSize, "128", 128}, {Setting::WordSize, "1", 1}, {Setting::WordSize, "0x10", 16}, {Setting::WordSize, "sixteen", 64},
    // maximum depth: 0 or below unlimited, 1..4 become 5
    {Setting::MaxStackDepth, std::nullopt, 0}, {Setting::MaxStackDepth, "3", 5}, {Setting::MaxStackDepth, "1", 5},
    {Setting::MaxStackDepth, "-1", 0}, {Setting::MaxStackDepth, "5", 5}, {Setting::MaxStackDepth, "100", 100},
    {Setting::MaxStackDepth, "many", 0},
    // switches: 0 off, any other number on
    {Setting::StackNumbering, std::nullopt, 1}, {Setting::StackNumbering, "0", 0}, {Setting::StackNumbering, "2", 1}, {Setting::StackNumbering, "yes", 1},
    {Setting::StayonTop, std::nullopt, 0}, {Setting::StayonTop, "1", 1}, {Setting::StayonTop, "-1", 1}, {Setting::StayonTop, "on", 0},
    {Setting::CalculatorMode, std::nullopt, 0}, {Setting::CalculatorMode, "7", 1}, {Setting::CalculatorMode, "0", 0},
    // the input line's text is taken as it stands
    {Setting::InputArgument, std::nullopt, 0}, {Setting::InputArgument, "1F", 2},
    // colours: names in any case, "$" with hexadecimal digits
    {Setting::BackGround, std::nullopt, kUnchangedBackground}, {Setting::BackGround, "$000000ff", kRed},
    {Setting::BackGround, "$ff", kRed}, {Setting::BackGround, "$FF", kRed}, {Setting::BackGround, "clRed", kRed},
    {Setting::BackGround, "CLRED", kRed}, {Setting::BackGround, "clred", kRed},
    {Setting::BackGround, "Nothing", kUnchangedBackground}, {Setting::BackGround, "", kUnchangedBackground},
    {Setting::BackGround, "$", kUnchangedBackground}, {Setting::BackGround, "$12zz", kUnchangedBackground},
    {Setting::BackGround, "Red", kUnchangedBackground},
    {Setting::BackGround, "$1000000ff", kRed}, // nine digits: the first one is ignored
    {Setting::BackGround, "$f00ff8000", 0x00ff8000}, {Setting::BackGround, "clBtnFace", 0x8000000F},
    {Setting::BackGround, "clNone", 0x1FFFFFFF},
    {Setting::Stack, std::nullopt, kUnchangedStack}, {Setting::Stack, "clWindow", 0x80000005}, {Setting::Stack, "clInfoBk", 0x80000018},
    {Setting::Stack, "clblack", 0}, {Setting::Stack, "bogus", kUnchangedStack},
    {Setting::Font, std::nullopt, kUnchangedFont}, {Setting::Font, "$00ff8000", 0x00ff8000},
    {Setting::Font, "cl3DDkShadow", 0x80000015}, {Setting::Font, "clNothing", kUnchangedFont},
};
// clang-format on

TEST(ReadingRules, StoredTextReadsAsTheTableSays) {
    for (const Rule& rule : kRules) {
        SettingTexts texts;
        texts[static_cast<std::size_t>(rule.setting)] = rule.stored;
        const SettingsValues values = readSettings(texts, atStart());
        EXPECT_EQ(valueOf(values, rule.setting), rule.expected)
            << settingKey(rule.setting).key << " stored as '" << rule.stored.value_or("<missing>")
            << "'";
    }
}

// Whatever is saved is stored in its stored form and reads back as itself.
TEST(ReadingRules, WrittenTextsAreTheStoredFormsAndReadBackUnchanged) {
    SettingsValues v;
    v.window = {-1200, 7, 300, 410, 0x0000FF, 0x00ff8000, 0x80000008, true};
    v.stackNumbering = true;
    v.wordSize = 13;
    v.stackView = false;
    v.inputArgument = "777";
    v.maxStackDepth = 9;
    v.base = engine::NumberBase::Oct;
    const SettingTexts t = writeSettings(v);
    auto at = [&t](Setting s) { return t[static_cast<std::size_t>(s)].value_or("<missing>"); };
    EXPECT_EQ(at(Setting::BackGround), "clRed");
    EXPECT_EQ(at(Setting::Stack), "$00ff8000");
    EXPECT_EQ(at(Setting::Font), "clWindowText");
    EXPECT_EQ(at(Setting::Base), "4");
    EXPECT_EQ(at(Setting::StackNumbering), "1");
    EXPECT_EQ(at(Setting::CalculatorMode), "0");
    for (const auto& text : t) {
        EXPECT_TRUE(text.has_value());
    }
    for (auto base : {engine::NumberBase::Hex, engine::NumberBase::Oct, engine::NumberBase::Bin,
                      engine::NumberBase::Dec}) {
        v.base = base;
        v.stackView = !v.stackView; // each switch both ways
        v.stackNumbering = !v.stackNumbering;
        v.window.stayOnTop = !v.window.stayOnTop;
        EXPECT_EQ(readSettings(writeSettings(v), atStart()), v);
    }
}

} // namespace
} // namespace quarnel::storage
