#include "cli/Script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::cli {
namespace {

using Tokens = std::vector<std::string>;

TEST(SplitTokensTest, BlanksSeparate) {
    EXPECT_EQ(splitTokens("1F [ENT]  3\t[+]"), (Tokens{"1F", "[ENT]", "3", "[+]"}));
    EXPECT_EQ(splitTokens("   "), Tokens{});
    EXPECT_EQ(splitTokens(""), Tokens{});
    EXPECT_EQ(splitTokens("[DEC]\r"), Tokens{"[DEC]"});
}

std::string lower(std::string text) {
    for (char& ch : text) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return text;
}

// Every name a user may write, in the spelling of the captions and menus.
class CommandNameTest : public testing::TestWithParam<const char*> {};

TEST_P(CommandNameTest, ResolvesInAnyCase) {
    ASSERT_TRUE(findCommand(GetParam()).has_value()) << GetParam();
    EXPECT_EQ(findCommand(lower(GetParam())), findCommand(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Captions, CommandNameTest, testing::Values(
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "ENT", "+", "-", "*", "DIV",
    "AND", "OR", "XOR", "NOT", "NEG", "SL", "SR", "ASR", "SLB", "SRB", "RL", "RR", "RLB", "RRB", "HEX", "DEC",
    "BIN", "OCT", "STWS", "RCWS", "DROP", "DUP", "SWAP", "DEL", "CLR", "VIEW", "Undo", "Restore", "Edit", "Dup2",
    "Drop2", "DupN", "DropN", "Pick", "Roll", "RollD", "Over", "Keep", "Rotate", "Echo", "Depth", "Maximum",
    "SetMax", "Numbering", "CloseView"));
// clang-format on

class KeyNameTest : public testing::TestWithParam<const char*> {};

TEST_P(KeyNameTest, ResolvesInAnyCase) {
    ASSERT_TRUE(findKey(GetParam()).has_value()) << GetParam();
    EXPECT_EQ(findKey(lower(GetParam())), findKey(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeyNameTest, testing::Values(
    "Enter", "Escape", "PageUp", "PageDown", "Delete", "F3", "F4", "F5", "F6", "F9", "KP*", "KP+", "KP-", "KP/",
    "&", "O", "X", "N", "L", "I", "Z", "M", "Q", "R", "J", "K", "Y", "S", "V", "T", "W"));
// clang-format on

TEST(NameTest, UnknownNamesAreRefused) {
    for (const char* name : {"1", "A", "Home", "F2", "KP1", ""}) {
        EXPECT_FALSE(findKey(name).has_value()) << name;
    }
    for (const char* name : {"ADD", "Undo Last", "", "G", "10"}) {
        EXPECT_FALSE(findCommand(name).has_value()) << name;
    }
}

struct ParseCase {
    Tokens tokens;
    std::vector<Action::Kind> kinds;
    std::string unknown; // empty: all known
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.tokens.front() << " ... (" << c.tokens.size() << " tokens)";
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ClassifiesTokens) {
    const ParseCase& param = GetParam();
    const ParsedScript script = parseTokens(param.tokens);
    if (!param.unknown.empty()) {
        ASSERT_TRUE(script.unknown.has_value());
        EXPECT_EQ(*script.unknown, param.unknown);
        EXPECT_TRUE(script.actions.empty());
        return;
    }
    EXPECT_FALSE(script.unknown.has_value());
    ASSERT_EQ(script.actions.size(), param.kinds.size());
    for (std::size_t i = 0; i < param.kinds.size(); ++i) {
        EXPECT_EQ(script.actions[i].kind, param.kinds[i]) << i;
    }
}

using K = Action::Kind;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tokens, ParseTest, testing::Values(
    ParseCase{{"1F", "[ENT]", "3", "[+]"}, {K::Type, K::Command, K::Type, K::Command}, ""},
    ParseCase{{"<KP+>", "<&>", "<pageup>"}, {K::Key, K::Key, K::Key}, ""},
    ParseCase{{"[", "]", "<", ">", "[ENT", "ENT]"}, {K::Type, K::Type, K::Type, K::Type, K::Type, K::Type}, ""},
    ParseCase{{"1", "[ENT]", "[Frobnicate]", "<Home>"}, {}, "[Frobnicate]"},
    ParseCase{{"<Home>", "[ENT]"}, {}, "<Home>"},
    ParseCase{{"[]"}, {}, "[]"},
    ParseCase{{"<1>"}, {}, "<1>"}));
// clang-format on

} // namespace
} // namespace quarnel::cli
