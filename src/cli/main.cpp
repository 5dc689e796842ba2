// quarnel-cli: the calculator in a terminal. Runs the tokens of its arguments
// (or of each line of standard input) and prints the display.

#include "cli/Script.h"
#include "cli/Session.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

bool reportUnknown(const quarnel::cli::ParsedScript& script) {
    if (!script.unknown) {
        return false;
    }
    std::cerr << "quarnel-cli: unknown command " << *script.unknown << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quarnel::cli;
    Session session(std::cout);

    if (argc > 1) {
        std::vector<std::string> tokens;
        for (int i = 1; i < argc; ++i) {
            for (std::string& token : splitTokens(argv[i])) {
                tokens.push_back(std::move(token));
            }
        }
        const ParsedScript script = parseTokens(tokens);
        if (reportUnknown(script)) {
            return 2;
        }
        session.run(script.actions);
        session.printDisplay();
        return 0;
    }

    std::string line;
    while (std::getline(std::cin, line)) {
        const ParsedScript script = parseTokens(splitTokens(line));
        if (reportUnknown(script)) {
            return 2;
        }
        session.run(script.actions);
        session.printDisplay();
    }
    return 0;
}
