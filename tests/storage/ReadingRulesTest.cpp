#include "storage/ColourText.h"
#include "storage/Settings.h"
#include "storage/StoredBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace quarnel::storage {
namespace {

// What the window shows before loading: the defaults of the size and colours.
WindowOptions atStart() {
    return {50, 50, 320, 394, 0x00123456, 0x00654321, 0x00ABCDEF, false};
}

// The value a setting reads as, as one number: booleans 0/1, the base as its
// stored code, colours as their value.
// clang-format off
std::int64_t valueOf(const SettingsValues& v, Setting s) {
    switch (s) {
    case Setting::Left: return v.window.left;                case Setting::Top: return v.window.top;
    case Setting::Height: return v.window.height;            case Setting::Width: return v.window.width;
    case Setting::BackGround: return v.window.background;    case Setting::Stack: return v.window.stack;
    case Setting::Font: return v.window.font;                case Setting::StackNumbering: return v.stackNumbering;
    case Setting::StayonTop: return v.window.stayOnTop;      case Setting::Base: return storedBaseCode(v.base);
    case Setting::WordSize: return v.wordSize;               case Setting::CalculatorMode: return v.stackView;
    case Setting::MaxStackDepth: return v.maxStackDepth;    case Setting::ReadoutShown: return v.window.readoutShown;
    case Setting::InputArgument: return static_cast<std::int64_t>(v.inputArgument.size());
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
constexpr std::int64_t kOldBack = 0x00123456, kOldStack = 0x00654321, kOldFont = 0x00ABCDEF;

using S = Setting;
constexpr auto kNone = std::nullopt;
// clang-format off
const Rule kRules[] = {
    // integers: decimal with sign, "$" and "0x" hexadecimal, defaults
    {S::Left, kNone, 50}, {S::Left, "0x20", 32}, {S::Left, "0X1f", 31}, {S::Left, "$20", 32}, {S::Left, "$7FFFFFFF", INT32_MAX},
    {S::Left, "$80000000", 50}, {S::Left, "abc", 50}, {S::Left, "", 50}, {S::Left, "0x", 50}, {S::Left, "$", 50}, {S::Left, "-$10", 50},
    {S::Left, "+7", 7}, {S::Left, "-7", -7}, {S::Left, "+-7", 50}, {S::Left, "12abc", 50}, {S::Left, "1e3", 50}, {S::Left, "007", 7},
    {S::Left, "2147483647", INT32_MAX}, {S::Left, "2147483648", 50}, {S::Left, "-2147483648", INT32_MIN},
    {S::Left, "99999999999999999999999", 50}, {S::Top, kNone, 50}, {S::Top, "-20", -20},
    {S::Height, kNone, 320}, {S::Height, "x", 320}, {S::Height, "400", 400}, {S::Width, kNone, 394}, {S::Width, "$1F4", 500},
    // base codes: 1 HEX, 2 DEC, 3 BIN, 4 OCT, anything else HEX
    {S::ReadoutShown, kNone, 0}, {S::ReadoutShown, "1", 1}, {S::ReadoutShown, "0", 0}, {S::ReadoutShown, "2", 1}, {S::ReadoutShown, "x", 0},
    {S::Base, kNone, 1}, {S::Base, "2", 2}, {S::Base, "3", 3}, {S::Base, "4", 4}, {S::Base, "1", 1}, {S::Base, "0", 1},
    {S::Base, "5", 1}, {S::Base, "-2", 1}, {S::Base, "DEC", 1}, {S::Base, "$3", 3},
    // word size limited to 1..128; maximum depth: 0 or below unlimited, 1..4 become 5
    {S::WordSize, kNone, 64}, {S::WordSize, "0", 64}, {S::WordSize, "-5", 64}, {S::WordSize, "200", 128}, {S::WordSize, "128", 128},
    {S::WordSize, "1", 1}, {S::WordSize, "0x10", 16}, {S::WordSize, "sixteen", 64}, {S::MaxStackDepth, kNone, 0},
    {S::MaxStackDepth, "3", 5}, {S::MaxStackDepth, "1", 5}, {S::MaxStackDepth, "-1", 0}, {S::MaxStackDepth, "5", 5},
    {S::MaxStackDepth, "100", 100}, {S::MaxStackDepth, "many", 0},
    // switches: 0 off, any other number on; the input line's text as it stands
    {S::StackNumbering, kNone, 1}, {S::StackNumbering, "0", 0}, {S::StackNumbering, "2", 1}, {S::StackNumbering, "yes", 1},
    {S::StayonTop, kNone, 0}, {S::StayonTop, "1", 1}, {S::StayonTop, "-1", 1}, {S::StayonTop, "on", 0},
    {S::CalculatorMode, kNone, 0}, {S::CalculatorMode, "7", 1}, {S::CalculatorMode, "0", 0},
    {S::InputArgument, kNone, 0}, {S::InputArgument, "1F", 2},
    // colours: names in any case, "$" with hexadecimal digits (of nine, the first is ignored)
    {S::BackGround, kNone, kOldBack}, {S::BackGround, "$000000ff", kRed}, {S::BackGround, "$ff", kRed},
    {S::BackGround, "clRed", kRed}, {S::BackGround, "CLRED", kRed}, {S::BackGround, "Nothing", kOldBack},
    {S::BackGround, "", kOldBack}, {S::BackGround, "$", kOldBack}, {S::BackGround, "$12zz", kOldBack}, {S::BackGround, "Red", kOldBack},
    {S::BackGround, "$1000000ff", kRed}, {S::BackGround, "$f00ff8000", 0x00ff8000}, {S::BackGround, "clBtnFace", 0x8000000F},
    {S::BackGround, "clNone", 0x1FFFFFFF}, {S::Stack, kNone, kOldStack}, {S::Stack, "clWindow", 0x80000005},
    {S::Stack, "clInfoBk", 0x80000018}, {S::Stack, "clblack", 0}, {S::Stack, "bogus", kOldStack},
    {S::Font, kNone, kOldFont}, {S::Font, "$00ff8000", 0x00ff8000}, {S::Font, "cl3DDkShadow", 0x80000015}, {S::Font, "clNothing", kOldFont},
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
    v.window.readoutShown = true; // else its setting is left out
    v.window.readoutStored = true;
    v.wordSize = 13;
    v.inputArgument = "777";
    v.maxStackDepth = 9;
    v.base = engine::NumberBase::Oct;
    v.stackView = false;
    const SettingTexts t = writeSettings(v);
    auto at = [&t](Setting s) { return t[static_cast<std::size_t>(s)].value_or("<missing>"); };
    EXPECT_EQ(at(S::BackGround) + at(S::Stack) + at(S::Font), "clRed$00ff8000clWindowText");
    EXPECT_EQ(at(S::Base) + at(S::StackNumbering) + at(S::CalculatorMode), "410");
    EXPECT_TRUE(std::ranges::all_of(t, [](const auto& text) { return text.has_value(); }));
    for (auto base : {engine::NumberBase::Hex, engine::NumberBase::Oct, engine::NumberBase::Bin,
                      engine::NumberBase::Dec}) {
        v.base = base;
        v.stackView = !v.stackView; // each switch both ways
        v.stackNumbering = !v.stackNumbering;
        v.window.stayOnTop = !v.window.stayOnTop;
        v.window.readoutShown = !v.window.readoutShown;
        EXPECT_EQ(readSettings(writeSettings(v), atStart()), v);
    }
}

} // namespace
} // namespace quarnel::storage
