#include "cli/Script.h"

namespace quarnel::cli {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

} // namespace

std::string_view nextToken(std::string_view line, std::size_t& pos) {
    const std::size_t start = line.find_first_not_of(kBlanks, pos);
    if (start == std::string_view::npos) {
        pos = line.size();
        return {};
    }
    const std::size_t end = line.find_first_of(kBlanks, start);
    pos = end == std::string_view::npos ? line.size() : end;
    return line.substr(start, pos - start);
}

std::vector<std::string> splitTokens(std::string_view line) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    for (std::string_view token = nextToken(line, pos); !token.empty();
         token = nextToken(line, pos)) {
        tokens.emplace_back(token);
    }
    return tokens;
}

std::optional<TokenAction> readToken(std::string_view token) {
    TokenAction action;
    const bool bracketed = token.size() >= 2 && token.front() == '[' && token.back() == ']';
    const bool angled = token.size() >= 2 && token.front() == '<' && token.back() == '>';
    if (bracketed) {
        const std::optional<calculator::Command> command =
            calculator::findCommand(token.substr(1, token.size() - 2));
        if (!command) {
            return std::nullopt;
        }
        action.kind = Action::Kind::Command;
        action.command = *command;
    } else if (angled) {
        const std::optional<calculator::Key> key =
            calculator::findKey(token.substr(1, token.size() - 2));
        if (!key) {
            return std::nullopt;
        }
        action.kind = Action::Kind::Key;
        action.key = *key;
    } else {
        action.kind = Action::Kind::Type;
        action.text = token;
    }
    return action;
}

ParsedScript parseTokens(const std::vector<std::string>& tokens) {
    ParsedScript script;
    script.actions.reserve(tokens.size());
    for (const std::string& token : tokens) {
        const std::optional<TokenAction> read = readToken(token);
        if (!read) {
            return {{}, token};
        }
        script.actions.push_back({read->kind, read->command, read->key, std::string(read->text)});
    }
    return script;
}

} // namespace quarnel::cli
