#include "cli/Script.h"
#include "cli/Session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quarnel::cli {
namespace {

// A user's session written as token lines, with the whole printed output:
// every line of input is run, then the display is printed.
struct Scenario {
    std::string name;
    std::vector<std::string> lines;
    std::string output;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

class ScenarioTest : public testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, PrintsWhatTheUserSees) {
    const Scenario& param = GetParam();
    std::ostringstream out;
    Session session(out);
    for (const std::string& line : param.lines) {
        const ParsedScript script = parseTokens(splitTokens(line));
        ASSERT_FALSE(script.unknown.has_value()) << *script.unknown;
        session.run(script.actions);
        session.printDisplay();
    }
    EXPECT_EQ(out.str(), param.output);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sessions, ScenarioTest, testing::Values(
    Scenario{"TypingIsValidated", {"[DEC] 12G"}, "5:\n4:\n3:\n2:\n1:\n> 12\n"},
    Scenario{"ConvertReduceAndView", {"[DEC] 100 [ENT] 25 [-] 3 [*] [HEX] [DUP] [NOT] [RCWS]", "8 [STWS] [VIEW] [CloseView]"}, "[Quarnel] Current wordsize = 64\n" "5:\n4:\n3:\n2: E1\n1: FFFFFFFFFFFFFF1E\n>\n" "2: E1\n1: 1E\n" "5:\n4:\n3:\n2: E1\n1: 1E\n>\n"},
    Scenario{"ErrorsBlockEnterUntilClear", {"[DROP]", "[CLR] 5 [ENT]", "0 [DIV]", "7 [ENT]", "[CLR] [ENT]"}, "5: Error: Too few arguments\n4: Press Clear [CLR]\n3:\n2:\n1:\n>\n" "5:\n4:\n3:\n2:\n1: 5\n>\n" "5: Error: Division by zero\n4: Press Clear [CLR]\n3:\n2:\n1: 5\n> 0\n" "5: Error: Division by zero\n4: Press Clear [CLR]\n3:\n2:\n1: 5\n> 07\n" "5:\n4:\n3:\n2: 5\n1: 7\n>\n"},
    Scenario{"EngineErrorAbandonsOnlyItsCommand", {"8 [STWS] 5 [ENT] 100 [DIV] [Depth] [Restore]"}, "[Error] Division by zero!\n" "[Quarnel] 1 object(s) on stack.\n" "5:\n4:\n3:\n2:\n1: 5\n> 100\n"},
    Scenario{"KeysRunTheirCommandThenType", {"5 [ENT] 3 <&>", "31", "<KP+> <n>", "<PageUp> <Delete> <S>"}, "5:\n4:\n3:\n2:\n1: 1\n>\n" "5:\n4:\n3:\n2:\n1: 1\n> 31\n" "5:\n4:\n3:\n2:\n1: FFFFFFFFFFFFFFCD\n>\n" "5:\n4:\n3:\n2: FFFFFFFFFFFFFFCD\n1: FFFFFFFFFFFFFFCD\n>\n"},
    Scenario{"NumberingOffPrintsBareLines", {"[Numbering] 1 [ENT] 2 [ENT] [VIEW]"}, "1\n2\n\n\n\n1\n2\n>\n"},
    Scenario{"StackMenuSession", {"1 [ENT] 2 [ENT] 3 [ENT] 4 [ENT] 2 [Roll]", "3 [RollD] [Over] [Rotate]", "[Undo] [Dup2] [Echo] [Edit]", "[Depth] [ENT] 2 [Keep] [Maximum] 5 [SetMax] [Maximum]"}, "5:\n4: 1\n3: 2\n2: 4\n1: 3\n>\n" "5: 1\n4: 3\n3: 4\n2: 2\n1: 2\n>\n" "5: 3\n4: 2\n3: 4\n2: 2\n1: 4\n> 2\n" "[Quarnel] 6 object(s) on stack.\n" "[Quarnel] Maximum stack depth: 0\n" "[Quarnel] Maximum stack depth: 5\n" "5:\n4:\n3:\n2: 4\n1: 2\n>\n"},
    Scenario{"BaseChangeConvertsInputAndDisabledDigitsDoNothing", {"FF [ENT] 10 [DEC] [A] [2] <F5>"}, "5:\n4:\n3:\n2:\n1: 11111111\n> 10100010\n"}));
// clang-format on

} // namespace
} // namespace quarnel::cli
