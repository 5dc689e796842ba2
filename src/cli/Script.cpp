#include "cli/Script.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace quarnel::cli {

namespace {

bool blank(char c) {
    // Every blank is at most ' ', so most characters are settled by one test.
    return static_cast<unsigned char>(c) <= ' ' && (c == ' ' || c == '\t' || c == '\r' || c == '\n');
}

// Scripts name a handful of commands over and over: the last few found are
// remembered by their exact spelling.
std::optional<calculator::Command> lookUpCommand(std::string_view name) {
    struct Found {
        std::string name;
        calculator::Command command;
    };
    thread_local std::array<Found, 8> recent{};
    thread_local std::size_t next = 0;
    for (const Found& found : recent) {
        if (!found.name.empty() && found.name == name) {
            return found.command;
        }
    }
    const std::optional<calculator::Command> command = calculator::findCommand(name);
    if (command) {
        recent[next] = {std::string(name), *command};
        next = (next + 1) % recent.size();
    }
    return command;
}

} // namespace

std::string_view nextToken(std::string_view line, std::size_t& pos) {
    std::size_t at = pos;
    while (at < line.size() && blank(line[at])) {
        ++at;
    }
    const std::size_t start = at;
    // Eight characters at a time while none of them is at most ' ' (every
    // blank is): a byte below 0x21 sets its top bit in the difference.
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    while (at + 8 <= line.size()) {
        std::uint64_t eight;
        std::memcpy(&eight, line.data() + at, 8);
        if (((eight - kOnes * 0x21) & ~eight & kOnes * 0x80) != 0) {
            break;
        }
        at += 8;
    }
    while (at < line.size() && !blank(line[at])) {
        ++at;
    }
    pos = at;
    return line.substr(start, at - start);
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

bool readToken(std::string_view token, TokenAction& action) {
    const bool bracketed = token.size() >= 2 && token.front() == '[' && token.back() == ']';
    const bool angled = token.size() >= 2 && token.front() == '<' && token.back() == '>';
    if (bracketed && calculator::sameName(token.substr(1, token.size() - 2), "Readout")) {
        action.kind = Action::Kind::Readout;
    } else if (bracketed) {
        const std::optional<calculator::Command> command =
            lookUpCommand(token.substr(1, token.size() - 2));
        if (!command) {
            return false;
        }
        action.kind = Action::Kind::Command;
        action.command = *command;
    } else if (angled) {
        const std::optional<calculator::Key> key =
            calculator::findKey(token.substr(1, token.size() - 2));
        if (!key) {
            return false;
        }
        action.kind = Action::Kind::Key;
        action.key = *key;
    } else {
        action.kind = Action::Kind::Type;
        action.text = token;
    }
    return true;
}

std::optional<TokenAction> readToken(std::string_view token) {
    TokenAction action;
    if (!readToken(token, action)) {
        return std::nullopt;
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
