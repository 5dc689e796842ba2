#pragma once

#include "calculator/Calculator.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::cli {

// One token of a command line: a command "[NAME]", a key "<KEY>", or text
// typed into the input line one character at a time. "[Readout]" is the
// terminal's own: it prints the readout of the value shown.
struct Action {
    enum class Kind { Command, Key, Type, Readout };
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

// A token's action read where the token stands: `text` views the token.
struct TokenAction {
    Action::Kind kind = Action::Kind::Type;
    calculator::Command command = calculator::Command::Enter;
    calculator::Key key = calculator::Key::Enter;
    std::string_view text;
};

// The token of `line` that starts at or after `pos`, and `pos` moved past
// it; empty when none is left. Tokens are separated by blanks (spaces and
// tabs, and line ends).
std::string_view nextToken(std::string_view line, std::size_t& pos);

// Splits a line at blanks.
std::vector<std::string> splitTokens(std::string_view line);

// Nothing when the token names an unknown command or key.
std::optional<TokenAction> readToken(std::string_view token);
// readToken into `action`; false (and `action` unspecified) for an unknown name.
bool readToken(std::string_view token, TokenAction& action);

ParsedScript parseTokens(const std::vector<std::string>& tokens);

} // namespace quarnel::cli
