#include "cli/CommandNames.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quarnel::cli {

namespace {

using calculator::ArithOp;
using calculator::Calculator;
using calculator::CountedOp;
using calculator::NumberBase;
using calculator::UnaryOp;
using C = Calculator;

struct NamedCommand {
    std::string_view name;
    CommandFn run;
};

constexpr std::array kCommands = std::to_array<NamedCommand>({
    {"0", [](C& c) { c.digit(0); }},
    {"1", [](C& c) { c.digit(1); }},
    {"2", [](C& c) { c.digit(2); }},
    {"3", [](C& c) { c.digit(3); }},
    {"4", [](C& c) { c.digit(4); }},
    {"5", [](C& c) { c.digit(5); }},
    {"6", [](C& c) { c.digit(6); }},
    {"7", [](C& c) { c.digit(7); }},
    {"8", [](C& c) { c.digit(8); }},
    {"9", [](C& c) { c.digit(9); }},
    {"A", [](C& c) { c.digit(10); }},
    {"B", [](C& c) { c.digit(11); }},
    {"C", [](C& c) { c.digit(12); }},
    {"D", [](C& c) { c.digit(13); }},
    {"E", [](C& c) { c.digit(14); }},
    {"F", [](C& c) { c.digit(15); }},
    {"ENT", [](C& c) { c.enter(); }},
    {"+", [](C& c) { c.arithmetic(ArithOp::Add); }},
    {"-", [](C& c) { c.arithmetic(ArithOp::Subtract); }},
    {"*", [](C& c) { c.arithmetic(ArithOp::Multiply); }},
    {"DIV", [](C& c) { c.arithmetic(ArithOp::Divide); }},
    {"AND", [](C& c) { c.arithmetic(ArithOp::And); }},
    {"OR", [](C& c) { c.arithmetic(ArithOp::Or); }},
    {"XOR", [](C& c) { c.arithmetic(ArithOp::Xor); }},
    {"NOT", [](C& c) { c.oneArgument(UnaryOp::Not); }},
    {"NEG", [](C& c) { c.oneArgument(UnaryOp::Neg); }},
    {"SL", [](C& c) { c.oneArgument(UnaryOp::ShiftLeft); }},
    {"SR", [](C& c) { c.oneArgument(UnaryOp::ShiftRight); }},
    {"ASR", [](C& c) { c.oneArgument(UnaryOp::ArithShiftRight); }},
    {"SLB", [](C& c) { c.oneArgument(UnaryOp::ShiftLeftByte); }},
    {"SRB", [](C& c) { c.oneArgument(UnaryOp::ShiftRightByte); }},
    {"RL", [](C& c) { c.oneArgument(UnaryOp::RotateLeft); }},
    {"RR", [](C& c) { c.oneArgument(UnaryOp::RotateRight); }},
    {"RLB", [](C& c) { c.oneArgument(UnaryOp::RotateLeftByte); }},
    {"RRB", [](C& c) { c.oneArgument(UnaryOp::RotateRightByte); }},
    {"HEX", [](C& c) { c.baseButton(NumberBase::Hex); }},
    {"DEC", [](C& c) { c.baseButton(NumberBase::Dec); }},
    {"BIN", [](C& c) { c.baseButton(NumberBase::Bin); }},
    {"OCT", [](C& c) { c.baseButton(NumberBase::Oct); }},
    {"STWS", [](C& c) { c.setWordSize(); }},
    {"RCWS", [](C& c) { c.recallWordSize(); }},
    {"DROP", [](C& c) { c.drop(); }},
    {"DUP", [](C& c) { c.dup(); }},
    {"SWAP", [](C& c) { c.swap(); }},
    {"DEL", [](C& c) { c.del(); }},
    {"CLR", [](C& c) { c.clear(); }},
    {"VIEW", [](C& c) { c.view(); }},
    {"Undo", [](C& c) { c.undoLast(); }},
    {"Restore", [](C& c) { c.restoreInput(); }},
    {"Edit", [](C& c) { c.editLevel1(); }},
    {"Dup2", [](C& c) { c.dropDup2(false); }},
    {"Drop2", [](C& c) { c.dropDup2(true); }},
    {"DupN", [](C& c) { c.dropDupN(CountedOp::DupN); }},
    {"DropN", [](C& c) { c.dropDupN(CountedOp::DropN); }},
    {"Pick", [](C& c) { c.dropDupN(CountedOp::Pick); }},
    {"Roll", [](C& c) { c.dropDupN(CountedOp::Roll); }},
    {"RollD", [](C& c) { c.rollD(false); }},
    {"Over", [](C& c) { c.over(); }},
    {"Keep", [](C& c) { c.rollD(true); }},
    {"Rotate", [](C& c) { c.rotate(); }},
    {"Echo", [](C& c) { c.echo(); }},
    {"Depth", [](C& c) { c.depth(); }},
    {"Maximum", [](C& c) { c.maximum(); }},
    {"SetMax", [](C& c) { c.setMaximumStackDepth(); }},
    {"Numbering", [](C& c) { c.toggleStackNumbering(); }},
    {"CloseView", [](C& c) { c.closeStackView(); }},
});

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

} // namespace

std::optional<CommandFn> findCommand(std::string_view name) {
    const auto it = std::ranges::find_if(
        kCommands, [name](const NamedCommand& command) { return sameName(command.name, name); });
    if (it == kCommands.end()) {
        return std::nullopt;
    }
    return it->run;
}

std::optional<calculator::Key> findKey(std::string_view name) {
    for (const calculator::KeyBinding& binding : calculator::keyMap()) {
        if (sameName(binding.name, name)) {
            return binding.key;
        }
    }
    return std::nullopt;
}

} // namespace quarnel::cli
