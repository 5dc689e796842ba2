#include "cli/Script.h"

namespace quarnel::cli {

std::vector<std::string> splitTokens(std::string_view line) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r\n", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = line.find_first_of(" \t\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        tokens.emplace_back(line.substr(start, stop - start));
        pos = stop;
    }
    return tokens;
}

ParsedScript parseTokens(const std::vector<std::string>& tokens) {
    return parseTokens(std::vector<std::string>(tokens));
}

ParsedScript parseTokens(std::vector<std::string>&& tokens) {
    ParsedScript script;
    script.actions.reserve(tokens.size());
    for (std::string& token : tokens) {
        Action action;
        const bool bracketed = token.size() >= 2 && token.front() == '[' && token.back() == ']';
        const bool angled = token.size() >= 2 && token.front() == '<' && token.back() == '>';
        const std::string_view name =
            std::string_view(token).substr(1, token.size() >= 2 ? token.size() - 2 : 0);
        if (bracketed) {
            const std::optional<calculator::Command> command = calculator::findCommand(name);
            if (!command) {
                return {{}, token};
            }
            action.kind = Action::Kind::Command;
            action.command = *command;
        } else if (angled) {
            const std::optional<calculator::Key> key = calculator::findKey(name);
            if (!key) {
                return {{}, token};
            }
            action.kind = Action::Kind::Key;
            action.key = *key;
        } else {
            action.kind = Action::Kind::Type;
            action.text = std::move(token);
        }
        script.actions.push_back(std::move(action));
    }
    return script;
}

} // namespace quarnel::cli
