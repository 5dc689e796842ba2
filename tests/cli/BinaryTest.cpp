// Runs the built quarnel-cli and compares its whole output and exit status.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

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

// Arguments are passed through the shell, single-quoted.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = "") {
    // ctest runs the cases in parallel processes: each gets its own files.
    const std::string stem = testing::TempDir() + "quarnel_cli_" + std::to_string(::getpid());
    const std::string inPath = stem + "_in.txt";
    const std::string outPath = stem + "_out.txt";
    const std::string errPath = stem + "_err.txt";
    std::ofstream(inPath, std::ios::binary) << input;
    std::string command = std::string("'") + QUARNEL_CLI_PATH + "'";
    for (const std::string& arg : args) {
        command += " '" + arg + "'";
    }
    command += " <'" + inPath + "' >'" + outPath + "' 2>'" + errPath + "'";
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
INSTANTIATE_TEST_SUITE_P(Runs, BinaryTest, testing::Values(
    BinaryCase{"Example", {"1F", "[ENT]", "3", "[+]"}, "", 0, "5:\n4:\n3:\n2:\n1: 22\n>\n", ""},
    BinaryCase{"TokensInsideOneArgument", {"1F [ent] 3 [+]"}, "", 0, "5:\n4:\n3:\n2:\n1: 22\n>\n", ""},
    BinaryCase{"EmptyStandardInputPrintsNothing", {}, "", 0, "", ""},
    BinaryCase{"StandardInputLineByLine", {}, "1 [ENT]\n\n2 [+] [DEC]\n", 0, "5:\n4:\n3:\n2:\n1: 1\n>\n" "5:\n4:\n3:\n2:\n1: 1\n>\n" "5:\n4:\n3:\n2:\n1: 3\n>\n", ""},
    BinaryCase{"UnknownCommandRunsNothing", {"1", "[ENT]", "[Frobnicate]"}, "", 2, "", "quarnel-cli: unknown command [Frobnicate]\n"},
    BinaryCase{"UnknownKey", {"<Home>"}, "", 2, "", "quarnel-cli: unknown command <Home>\n"},
    BinaryCase{"UnknownNameOnAStandardInputLine", {}, "1 [ENT]\n[Nope] 2 [ENT]\n3 [ENT]\n", 2, "5:\n4:\n3:\n2:\n1: 1\n>\n", "quarnel-cli: unknown command [Nope]\n"},
    BinaryCase{"UnknownNameLateOnALineRunsNoneOfIt", {}, "1 [ENT]\n[Depth] 2 <Nope>\n", 2, "5:\n4:\n3:\n2:\n1: 1\n>\n", "quarnel-cli: unknown command <Nope>\n"},
    BinaryCase{"EngineErrorThenTheRest", {"[Numbering]", "8", "[STWS]", "5", "[ENT]", "100", "[DIV]", "[Depth]"}, "", 0, "[Error] Division by zero!\n[Quarnel] 1 object(s) on stack.\n\n\n\n\n5\n> 100\n", ""}));
// clang-format on

} // namespace
