// quarnel-cli: the calculator in a terminal. Runs the tokens of its arguments
// (or of each line of standard input) and prints the display.

#include "cli/Script.h"
#include "cli/Session.h"

#include <cerrno>
#include <csignal>
#include <cstring>
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

// The status of a run whose display may not have reached its reader: a full
// disk or a closed pipe is an error, not a silent success.
int finish(int status) {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quarnel-cli: cannot write the output: " << std::strerror(errno) << '\n';
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quarnel::cli;
    // A closed pipe is reported as a failed write instead of ending the process.
    std::signal(SIGPIPE, SIG_IGN);
    // Streams of their own, and reading does not flush: Session::readLine
    // decides when the output goes out.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
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
        return finish(0);
    }

    std::string line;
    while (session.readLine(std::cin, line)) {
        if (const std::optional<std::string> unknown = session.runLine(line)) {
            reportUnknown({{}, unknown});
            return 2;
        }
        session.printDisplay();
        if (!std::cout) {
            return finish(1);
        }
    }
    return finish(0);
}
