// Runs the built quarnel-cli and compares its whole output and exit status:
// tokens, standard input, files, the options and the exit statuses, and a
// session at a terminal.

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Arguments are passed through the shell, single-quoted. An argument "@IN"
// stands for a file holding the input, which then does not come on standard
// input.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = "") {
    // ctest runs the cases in parallel processes: each gets its own files.
    const std::string stem = testing::TempDir() + "quarnel_cli_" + std::to_string(::getpid());
    const std::string inPath = stem + "_in.txt";
    const std::string outPath = stem + "_out.txt";
    const std::string errPath = stem + "_err.txt";
    std::ofstream(inPath, std::ios::binary) << input;
    std::string command = std::string("'") + QUARNEL_CLI_PATH + "'";
    bool inputAsFile = false;
    for (const std::string& arg : args) {
        inputAsFile = inputAsFile || arg == "@IN";
        command += " '" + (arg == "@IN" ? inPath : arg) + "'";
    }
    command += " <'" + (inputAsFile ? std::string("/dev/null") : inPath) + "' >'" + outPath +
               "' 2>'" + errPath + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    for (const std::string& path : {inPath, outPath, errPath}) {
        std::remove(path.c_str());
    }
    return run;
}

struct BinaryCase {
    std::string name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const BinaryCase& c, std::ostream* os) {
    *os << c.name;
}

class BinaryTest : public testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryTest, WholeOutputAndStatus) {
    const BinaryCase& param = GetParam();
    const CliRun run = runCli(param.args, param.input);
    EXPECT_EQ(run.status, param.status);
    EXPECT_EQ(run.out, param.out);
    EXPECT_EQ(run.err, param.err);
}

// clang-format off
const std::string kEmptyDisplay = "5:\n4:\n3:\n2:\n1:\n>\n";
INSTANTIATE_TEST_SUITE_P(Runs, BinaryTest, testing::Values(
    BinaryCase{"Example", {"1F", "[ENT]", "3", "[+]"}, "", 0, "5:\n4:\n3:\n2:\n1: 22\n>\n", ""},
    BinaryCase{"TokensInsideOneArgument", {"1F [ent] 3 [+]"}, "", 0, "5:\n4:\n3:\n2:\n1: 22\n>\n", ""},
    BinaryCase{"BlankArgumentIsAnEmptyRun", {""}, "1 [ENT]\n", 0, kEmptyDisplay, ""},
    BinaryCase{"EmptyStandardInputPrintsNothing", {}, "", 0, "", ""},
    BinaryCase{"StandardInputLineByLine", {}, "1 [ENT]\n\n2 [+] [DEC]\n", 0, "5:\n4:\n3:\n2:\n1: 1\n>\n" "5:\n4:\n3:\n2:\n1: 1\n>\n" "5:\n4:\n3:\n2:\n1: 3\n>\n", ""},
    BinaryCase{"UnknownCommandRunsNothing", {"1", "[ENT]", "[Frobnicate]"}, "", 2, "", "quarnel-cli: unknown command [Frobnicate]\n"},
    BinaryCase{"UnknownKey", {"<Home>"}, "", 2, "", "quarnel-cli: unknown command <Home>\n"},
    BinaryCase{"UnknownNameOnAStandardInputLine", {}, "1 [ENT]\n[Nope] 2 [ENT]\n3 [ENT]\n", 2, "5:\n4:\n3:\n2:\n1: 1\n>\n", "quarnel-cli: unknown command [Nope]\n"},
    BinaryCase{"UnknownNameLateOnALineRunsNoneOfIt", {}, "1 [ENT]\n[Depth] 2 <Nope>\n", 2, "5:\n4:\n3:\n2:\n1: 1\n>\n", "quarnel-cli: unknown command <Nope>\n"},
    BinaryCase{"EngineErrorThenTheRest", {"[Numbering]", "8", "[STWS]", "5", "[ENT]", "100", "[DIV]", "[Depth]"}, "", 1, "[Error] Division by zero!\n[Quarnel] 1 object(s) on stack.\n\n\n\n\n5\n> 100\n", ""},
    BinaryCase{"CommandErrorInTheDisplay", {"[Numbering]", "[+]"}, "", 1, "Error: Too few arguments\nPress Clear [CLR]\n\n\n\n>\n", ""},
    BinaryCase{"ErrorOnAnEarlierLineStillCounts", {"-r"}, "[Drop]\n[CLR] 2 [ENT]\n", 1, "2\n", "Error: Too few arguments\n"},
    BinaryCase{"ResultAfterTheTokens", {"-r", "FF", "[ENT]", "[DEC]"}, "", 0, "255\n", ""},
    BinaryCase{"ResultIsTheWholeEntry", {"--result", "--base", "bin", "--bits", "128", "0", "[ENT]", "[NOT]"}, "", 0, std::string(128, '1') + "\n", ""},
    BinaryCase{"ResultOfAnEmptyStackIsNothing", {"--result", "12"}, "", 0, "", ""},
    BinaryCase{"ResultAfterEachLine", {"-r"}, "1F [ENT]\n3 [+]\n[Drop]\n", 0, "1F\n22\n", ""},
    BinaryCase{"ResultIsReducedToTheWordSize", {"-r", "--bits", "8"}, "1FF [ENT]\n", 0, "FF\n", ""},
    BinaryCase{"ResultSendsNotesToStandardError", {"-r", "1", "[ENT]", "[Depth]", "[RCWS]"}, "", 0, "1\n", "[Quarnel] 1 object(s) on stack.\n[Quarnel] Current wordsize = 64\n"},
    BinaryCase{"ResultSendsErrorsToStandardError", {"-r", "5", "[ENT]", "0", "[DIV]"}, "", 1, "5\n", "Error: Division by zero\n"},
    BinaryCase{"ResultSendsEngineErrorsToStandardError", {"-r", "[Numbering]", "8", "[STWS]", "5", "[ENT]", "100", "[DIV]"}, "", 1, "5\n", "[Error] Division by zero!\n"},
    BinaryCase{"StartStatePrintsNothing", {"--base", "dec", "--bits", "8"}, "", 0, "", ""},
    BinaryCase{"StartBaseAndWordSize", {"--base", "dec", "--bits", "8", "-r", "255", "[ENT]", "1", "[+]"}, "", 0, "0\n", ""},
    BinaryCase{"OptionValuesAfterEquals", {"--base=OCT", "--bits=4", "-r", "17", "[ENT]"}, "", 0, "17\n", ""},
    BinaryCase{"WordSizeReadInDecimalInAnyBase", {"--base", "bin", "--bits", "16", "[RCWS]"}, "", 0, "[Quarnel] Current wordsize = 16\n" + kEmptyDisplay, ""},
    BinaryCase{"WordSizeLimitedAsBySTWS", {"--bits", "300", "[RCWS]"}, "", 0, "[Quarnel] Current wordsize = 128\n" + kEmptyDisplay, ""},
    BinaryCase{"LinesFromAFile", {"-f", "@IN", "-r"}, "1 [ENT]\n2 [+]\n", 0, "1\n3\n", ""},
    BinaryCase{"DoubleDashEndsTheOptions", {"--", "-r", "1"}, "", 0, "5:\n4:\n3:\n2:\n1:\n> 1\n", ""},
    BinaryCase{"OptionAfterATokenIsAToken", {"1", "--help"}, "", 0, "5:\n4:\n3:\n2:\n1:\n> 1e\n", ""},
    BinaryCase{"UnknownOption", {"-x", "1"}, "", 2, "", "quarnel-cli: unknown option -x (a token starting with '-' goes after --)\nTry 'quarnel-cli --help' for more information.\n"},
    BinaryCase{"MissingFile", {"--file", "/nonexistent/q"}, "", 2, "", "quarnel-cli: cannot open /nonexistent/q: No such file or directory\n"}));

// Usage errors: status 2, nothing on standard output, a message naming the
// problem on standard error.
class UsageErrorTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(UsageErrorTest, StatusTwoAndAMessage) {
    const CliRun run = runCli(GetParam(), "1 [ENT]\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("quarnel-cli: ")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Options, UsageErrorTest, testing::Values(
    std::vector<std::string>{"--base"}, std::vector<std::string>{"--base", "hexadecimal"},
    std::vector<std::string>{"--bits", "x"}, std::vector<std::string>{"--bits", "-8"},
    std::vector<std::string>{"--bits", "99999999999"}, std::vector<std::string>{"-f"},
    std::vector<std::string>{"--help=yes"}, std::vector<std::string>{"-f", "@IN", "1"},
    std::vector<std::string>{"-r", "[Nope]"}, std::vector<std::string>{"--resultx"},
    std::vector<std::string>{"--nope=1"}));
// clang-format on

TEST(BinaryInfoTest, HelpNamesEveryOptionAndVersionIsTheProjectVersion) {
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("Usage: quarnel-cli")) << help.out;
    for (const char* option : {"--result", "--file", "--base", "--bits", "--help", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(runCli({"-h", "[Nope]"}).out, help.out);

    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quarnel-cli ") + QUARNEL_PROJECT_VERSION + "\n");
    EXPECT_EQ(runCli({"-V"}).out, version.out);
}

// Everything the program wrote to the terminal until it ended.
struct TerminalRun {
    int status = -1;
    std::string screen;
};

TerminalRun runAtTerminal(const std::string& typed) {
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child == 0) {
        ::execl(QUARNEL_CLI_PATH, QUARNEL_CLI_PATH, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    TerminalRun run;
    if (child < 0) {
        return run;
    }
    // Typed one line at a time, each after the prompt for it came.
    std::size_t sent = 0;
    std::size_t prompts = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    char buffer[4096];
    while (std::chrono::steady_clock::now() < deadline) {
        const std::size_t seen = [&] {
            std::size_t count = 0;
            for (std::size_t at = run.screen.find("quarnel> "); at != std::string::npos;
                 at = run.screen.find("quarnel> ", at + 1)) {
                ++count;
            }
            return count;
        }();
        if (seen > prompts && sent < typed.size()) {
            prompts = seen;
            // The line editor sets up the terminal around its prompt: a line
            // typed at that very moment can be dropped.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const std::size_t end = typed.find('\n', sent);
            const std::size_t stop = end == std::string::npos ? typed.size() : end + 1;
            if (::write(master, typed.data() + sent, stop - sent) < 0) {
                break;
            }
            sent = stop;
        }
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 200) == 0) {
            continue; // nothing yet; the deadline ends a program that hangs
        }
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0) {
            break; // the program ended and closed the terminal
        }
        run.screen.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(master);
    if (std::chrono::steady_clock::now() >= deadline) {
        ::kill(child, SIGKILL);
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// An unknown name is reported and the session goes on; it decides the status.
// The up arrow brings back the line before; Ctrl-D at the prompt ends.
TEST(TerminalTest, PromptsShowsTheDisplayAndRecallsHistory) {
    const TerminalRun run = runAtTerminal("[Nope]\n1F [ENT] 3 [+]\n\x1b[A\n\x04");
    EXPECT_EQ(run.status, 2) << run.screen;
    for (const char* seen : {"quarnel> ", "unknown command [Nope]", "1: 22", "2: 22"})
        EXPECT_NE(run.screen.find(seen), std::string::npos) << seen << "\n" << run.screen;
}

} // namespace
