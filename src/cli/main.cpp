// quarnel-cli: the calculator in a terminal. Runs the tokens of its arguments
// (or of each line of standard input or of a file) and prints the display, or
// with --result only level 1. At a terminal it reads lines with editing and
// history.

#include "cli/Script.h"
#include "cli/Session.h"
#include "quarnel/Version.h"

#include <editline/readline.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quarnel::cli::Action;
using quarnel::cli::ParsedScript;
using quarnel::cli::Session;

constexpr int kErrorShown = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    R"(Usage: quarnel-cli [OPTION]... [--] [TOKEN]...
RPN calculator for programmers. Runs the TOKENs, then prints the display (five
stack levels and "> " with the input line). Without TOKENs it runs each line of
standard input (or of FILE) and prints the display after each line; at a
terminal it prompts, with line editing and history.

Tokens: [NAME] runs a command ([ENT], [+], [DIV], [XOR], [SL], [DEC], [STWS],
[Undo], ...), <KEY> presses a key of the input line (<Enter>, <Escape>, <F3>,
...), anything else is typed into the input line.

Options (before the tokens; "--" ends them):
  -r, --result        print only level 1 (nothing for an empty stack) instead of
                      the display; messages and errors go to standard error
  -f, --file FILE     read the lines from FILE instead of standard input
      --base BASE     start in BASE: hex (the default), dec, oct or bin
      --bits N        start at word size N (1 to 128; 64 by default)
  -h, --help          print this help and exit
  -V, --version       print the version and exit

Exit status: 0 when all went well, 1 when a calculator or engine error was
shown (or the output could not be written), 2 for a usage error or an unknown
command or key name.
)";

struct Options {
    bool help = false;
    bool version = false;
    bool result = false;
    std::optional<std::string> file;
    std::optional<quarnel::engine::NumberBase> base;
    std::optional<std::string> bits;
    std::vector<std::string> tokens;
    bool tokensGiven = false; // an argument after the options, even a blank one
};

int usageError(const std::string& message) {
    std::cerr << "quarnel-cli: " << message << "\nTry 'quarnel-cli --help' for more information.\n";
    return kUsageError;
}

std::optional<quarnel::engine::NumberBase> baseNamed(std::string_view name) {
    using quarnel::engine::NumberBase;
    for (const NumberBase base :
         {NumberBase::Hex, NumberBase::Dec, NumberBase::Oct, NumberBase::Bin}) {
        if (quarnel::calculator::sameName(name, quarnel::calculator::Calculator::baseName(base))) {
            return base;
        }
    }
    return std::nullopt;
}

// Reads the options in front of the tokens. On a usage error it has printed
// the message and returns the exit status.
std::optional<int> parseOptions(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            break;
        }
        // "--name=value" gives the value in the same argument.
        std::string name = arg;
        std::optional<std::string> attached;
        if (const std::size_t equals = arg.find('=');
            arg.starts_with("--") && equals != std::string::npos) {
            name = arg.substr(0, equals);
            attached = arg.substr(equals + 1);
        }
        const auto value = [&](std::string& out) -> bool {
            if (attached) {
                out = *attached;
                return true;
            }
            if (i + 1 >= argc) {
                return false;
            }
            out = argv[++i];
            return true;
        };
        const bool takesValue =
            name == "--base" || name == "--bits" || name == "--file" || name == "-f";
        const bool known = takesValue || name == "-h" || name == "--help" || name == "-V" ||
                           name == "--version" || name == "-r" || name == "--result";
        if (!known) {
            return usageError("unknown option " + arg +
                              " (a token starting with '-' goes after --)");
        }
        if (attached && !takesValue) {
            return usageError("option " + name + " takes no value");
        }
        std::string text;
        if (takesValue && !value(text)) {
            return usageError("option " + name + " needs a value");
        }
        if (name == "-h" || name == "--help") {
            options.help = true;
        } else if (name == "-V" || name == "--version") {
            options.version = true;
        } else if (name == "-r" || name == "--result") {
            options.result = true;
        } else if (name == "-f" || name == "--file") {
            options.file = text;
        } else if (name == "--base") {
            options.base = baseNamed(text);
            if (!options.base) {
                return usageError("unknown base '" + text + "' (hex, dec, oct or bin)");
            }
        } else if (name == "--bits") {
            if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
                !quarnel::calculator::Calculator::readCount(text)) {
                return usageError("--bits needs a word size in bits, not '" + text + "'");
            }
            options.bits = text;
        }
    }
    options.tokensGiven = i < argc;
    for (; i < argc; ++i) {
        for (std::string& token : quarnel::cli::splitTokens(argv[i])) {
            options.tokens.push_back(std::move(token));
        }
    }
    if (options.file && options.tokensGiven) {
        return usageError("give either tokens or --file, not both");
    }
    return std::nullopt;
}

// The start state: the word size first (its number is read in decimal, which
// every digit of the start base HEX accepts), then the base.
void applyStartState(Session& session, const Options& options) {
    std::vector<Action> actions;
    if (options.bits) {
        Action type;
        type.kind = Action::Kind::Type;
        type.text = *options.bits;
        actions.push_back(type);
        Action setWordSize;
        setWordSize.kind = Action::Kind::Command;
        setWordSize.command = quarnel::calculator::Command::SetWordSize;
        actions.push_back(setWordSize);
    }
    if (options.base) {
        Action base;
        base.kind = Action::Kind::Command;
        base.command = quarnel::calculator::baseCommand(*options.base);
        actions.push_back(base);
    }
    session.run(actions);
}

bool reportUnknown(const ParsedScript& script) {
    if (!script.unknown) {
        return false;
    }
    std::cerr << "quarnel-cli: unknown command " << *script.unknown << '\n';
    return true;
}

// Standard output through a buffer larger than the stream's own, so that a
// long script's displays go out in few large writes. A failed write fails the
// stream, and errno tells why.
class OutputBuffer final : public std::streambuf {
  public:
    explicit OutputBuffer(int fd) : fd_(fd), buffer_(std::size_t{1} << 16) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

  protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

  private:
    bool drain() {
        const char* next = pbase();
        while (next < pptr()) {
            const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                setp(buffer_.data(), buffer_.data() + buffer_.size());
                return false;
            }
            next += written;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return true;
    }

    int fd_;
    std::vector<char> buffer_;
};

// Puts the buffer under std::cout for the life of main, and takes it away
// (flushed) before the stream outlives it.
class BufferedStdout {
  public:
    BufferedStdout() : original_(std::cout.rdbuf(&buffer_)) {}
    BufferedStdout(const BufferedStdout&) = delete;
    BufferedStdout& operator=(const BufferedStdout&) = delete;
    ~BufferedStdout() {
        std::cout.flush();
        std::cout.rdbuf(original_);
    }

  private:
    OutputBuffer buffer_{STDOUT_FILENO};
    std::streambuf* original_;
};

// The status of a run whose output may not have reached its reader: a full
// disk or a closed pipe is an error, not a silent success.
int finish(int status) {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quarnel-cli: cannot write the output: " << std::strerror(errno) << '\n';
        return kErrorShown;
    }
    return status;
}

class Runner {
  public:
    Runner(Session& session, bool result) : session_(session), result_(result) {}

    // Runs one line of tokens and prints the display or the result; false
    // when it named an unknown command or key (then nothing of it ran).
    bool runLine(std::string_view line) {
        if (const std::optional<std::string> unknown = session_.runLine(line)) {
            reportUnknown({{}, unknown});
            return false;
        }
        if (result_) {
            session_.printResult();
        } else {
            session_.printDisplay();
        }
        return true;
    }

    int status() const { return session_.errorShown() ? kErrorShown : 0; }
    bool readLine(std::istream& in, std::string& line) { return session_.readLine(in, line); }

  private:
    Session& session_;
    bool result_;
};

// Standard input or a file, line by line; ends at the first unknown name.
int runStream(std::istream& in, Runner& runner) {
    std::string line;
    while (runner.readLine(in, line)) {
        if (!runner.runLine(line)) {
            return finish(kUsageError);
        }
        if (!std::cout) {
            return finish(kErrorShown);
        }
    }
    return finish(runner.status());
}

// A terminal: a prompt, line editing and history. An unknown name is reported
// and the session goes on; it still decides the exit status.
int runTerminal(Runner& runner) {
    bool unknownSeen = false;
    for (;;) {
        std::cout.flush(); // the display before the prompt
        char* raw = readline("quarnel> ");
        if (raw == nullptr) {
            break;
        }
        const std::string line = raw;
        std::free(raw);
        if (!quarnel::cli::splitTokens(line).empty()) {
            add_history(line.c_str());
        }
        unknownSeen = !runner.runLine(line) || unknownSeen;
        if (!std::cout) {
            return finish(kErrorShown);
        }
    }
    std::cout << '\n';
    return finish(unknownSeen ? kUsageError : runner.status());
}

} // namespace

int main(int argc, char** argv) {
    // A closed pipe is reported as a failed write instead of ending the process.
    std::signal(SIGPIPE, SIG_IGN);
    // Streams of their own, and reading does not flush: Session::readLine
    // decides when the output goes out.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const BufferedStdout bufferedStdout;

    Options options;
    if (const std::optional<int> status = parseOptions(argc, argv, options)) {
        return *status;
    }
    if (options.help) {
        std::cout << kUsage;
        return finish(0);
    }
    if (options.version) {
        std::cout << "quarnel-cli " << quarnel::kVersion << '\n';
        return finish(0);
    }

    Session session(std::cout);
    if (options.result) {
        session.sendNotesTo(std::cerr);
    }
    applyStartState(session, options);
    Runner runner(session, options.result);

    if (options.tokensGiven) {
        std::string line;
        for (const std::string& token : options.tokens) {
            line += token;
            line += ' ';
        }
        if (!runner.runLine(line)) {
            return kUsageError;
        }
        return finish(runner.status());
    }
    if (options.file) {
        std::ifstream file(*options.file);
        if (!file) {
            std::cerr << "quarnel-cli: cannot open " << *options.file << ": "
                      << std::strerror(errno) << '\n';
            return kUsageError;
        }
        return runStream(file, runner);
    }
    if (::isatty(STDIN_FILENO) == 1) {
        return runTerminal(runner);
    }
    return runStream(std::cin, runner);
}
