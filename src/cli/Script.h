#pragma once

#include "calculator/Calculator.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::cli {

// One token of a command line: a command "[NAME]", a key "<KEY>", or text
// typed into the input line one character at a time.
struct Action {
    enum class Kind { Command, Key, Type };
    Kind kind = Kind::Type;
    calculator::Command command = calculator::Command::Enter;
    calculator::Key key = calculator::Key::Enter;
    std::string text; // the typed text (Type)
};

struct ParsedScript {
    std::vector<Action> actions;
    // The first token naming an unknown command or key, as written
    // ("[NAME]" or "<NAME>"); nothing was parsed to run when it is set.
    std::optional<std::string> unknown;
};

// Splits a line at blanks (spaces and tabs).
std::vector<std::string> splitTokens(std::string_view line);

ParsedScript parseTokens(const std::vector<std::string>& tokens);
// The same, taking the typed tokens' text over instead of copying it.
ParsedScript parseTokens(std::vector<std::string>&& tokens);

} // namespace quarnel::cli
