#include "TestHost.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quarnel::calculator::test {
namespace {

// Every key from the same start: HEX, word size 16, stack C 5 3, empty line.
struct KeyCase {
    Key key{};
    Entries wantStack{};
    NumberBase wantBase = NumberBase::Hex;
    int wantWordSize = 16;
    std::string wantMessage{};
    bool wantView = false;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << keyBinding(c.key).name;
}

class KeyMapTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, RunsItsCommand) {
    const KeyCase& param = GetParam();
    RecordingHost host;
    Calculator c(&host);
    prepare(c, {.wordSize = 16, .stack = {"C", "5", "3"}});
    c.keyDown(param.key);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.currentBase(), param.wantBase);
    EXPECT_EQ(c.wordSize(), param.wantWordSize);
    EXPECT_EQ(c.stackViewShown(), param.wantView);
    if (param.wantMessage.empty()) {
        EXPECT_TRUE(host.messages.empty());
    } else {
        EXPECT_EQ(host.messages, std::vector<std::string>{param.wantMessage});
    }
    EXPECT_FALSE(c.skipInputCheck());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest, testing::Values(
    KeyCase{Key::Enter, {"C", "5", "3", "3"}},
    KeyCase{Key::Escape, {}},
    KeyCase{Key::PageUp, {"C", "5", "3", "3"}},
    KeyCase{Key::PageDown, {"C", "5"}},
    KeyCase{Key::Delete, {"C", "5", "3"}},
    KeyCase{Key::Ampersand, {"C", "1"}},
    KeyCase{Key::O, {"C", "7"}},
    KeyCase{Key::X, {"C", "6"}},
    KeyCase{Key::KeypadMultiply, {"C", "F"}},
    KeyCase{Key::KeypadPlus, {"C", "8"}},
    KeyCase{Key::KeypadMinus, {"C", "2"}},
    KeyCase{Key::KeypadDivide, {"C", "1"}},
    KeyCase{Key::N, {"C", "5", "FFFC"}},
    KeyCase{Key::F9, {"C", "5", "FFFD"}},
    KeyCase{Key::L, {"C", "5", "6"}},
    KeyCase{Key::I, {"C", "5", "1"}},
    KeyCase{Key::Z, {"C", "5", "1"}},
    KeyCase{Key::M, {"C", "5", "300"}},
    KeyCase{Key::Q, {"C", "5", "0"}},
    KeyCase{Key::R, {"C", "5", "6"}},
    KeyCase{Key::J, {"C", "5", "8001"}},
    KeyCase{Key::K, {"C", "5", "300"}},
    KeyCase{Key::Y, {"C", "5", "300"}},
    KeyCase{Key::S, {"C", "3", "5"}},
    KeyCase{Key::V, {"C", "5", "3"}, NumberBase::Hex, 16, "", true},
    KeyCase{Key::T, {"C", "5"}, NumberBase::Hex, 3},
    KeyCase{Key::W, {"C", "5", "3"}, NumberBase::Hex, 16, "Current wordsize = 16"},
    KeyCase{Key::F3, {"C", "5", "3"}},
    KeyCase{Key::F4, {"12", "5", "3"}, NumberBase::Dec},
    KeyCase{Key::F5, {"1100", "101", "11"}, NumberBase::Bin},
    KeyCase{Key::F6, {"14", "5", "3"}, NumberBase::Oct}));
// clang-format on

TEST(KeyMapTest, EveryKeyHasOneRowAndOnlyLettersAndOperatorsType) {
    std::set<std::string_view> names;
    for (const KeyBinding& row : keyMap()) {
        EXPECT_EQ(&keyBinding(row.key), &row);
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        const bool types = row.name.size() == 1 || row.name.starts_with("KP");
        EXPECT_EQ(row.typed != '\0', types) << row.name;
        if (types) {
            EXPECT_EQ(row.typed, row.name.back()) << row.name;
        }
    }
    // No key of the map types a digit of any base: the "1" key only types.
    for (const KeyBinding& row : keyMap()) {
        if (row.typed != '\0') {
            EXPECT_EQ(std::string_view("0123456789ABCDEFabcdef").find(row.typed),
                      std::string_view::npos)
                << row.name;
        }
    }
}

} // namespace
} // namespace quarnel::calculator::test
