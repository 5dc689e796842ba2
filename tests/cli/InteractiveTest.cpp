// quarnel-cli driven as a co-process: a program that sends a line and waits
// for its display must get it, while a script read in one go is printed
// without a write per line.

#include "cli/Session.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace quarnel::cli {
namespace {

// An output stream that remembers what had reached it at its last flush.
class FlushRecorder : public std::stringbuf {
  public:
    std::string flushed;

  protected:
    int sync() override {
        flushed = str();
        return 0;
    }
};

TEST(InteractiveTest, OutputWaitsOnlyWhileMoreInputIsThere) {
    FlushRecorder recorder;
    std::ostream out(&recorder);
    Session session(out);
    std::istringstream in("1 [ENT]\n2 [+]\n");
    std::string line;
    ASSERT_TRUE(session.readLine(in, line));
    session.run(parseTokens(splitTokens(line)).actions);
    session.printDisplay();
    ASSERT_TRUE(session.readLine(in, line)) << "the second line";
    EXPECT_EQ(recorder.flushed, "") << "flushed while the next line was already there";
    session.run(parseTokens(splitTokens(line)).actions);
    session.printDisplay();
    EXPECT_FALSE(session.readLine(in, line));
    EXPECT_EQ(recorder.flushed, recorder.str()) << "the read that could wait came first";
    EXPECT_NE(recorder.flushed.find("1: 3\n"), std::string::npos) << recorder.flushed;
}

// Reads from fd until `lines` line breaks arrived, or gives up after 10 s.
std::string readLines(int fd, int lines) {
    std::string text;
    char buffer[256];
    while (std::count(text.begin(), text.end(), '\n') < lines) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 10000) <= 0)
            break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

TEST(InteractiveTest, EachDisplayReachesAReaderThatWaitsForIt) {
    int toCli[2];
    int fromCli[2];
    ASSERT_EQ(::pipe(toCli), 0);
    ASSERT_EQ(::pipe(fromCli), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(toCli[0], 0);
        ::dup2(fromCli[1], 1);
        for (int fd : {toCli[0], toCli[1], fromCli[0], fromCli[1]})
            ::close(fd);
        ::execl(QUARNEL_CLI_PATH, QUARNEL_CLI_PATH, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toCli[0]);
    ::close(fromCli[1]);
    const auto send = [&](std::string_view text) {
        ASSERT_EQ(::write(toCli[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    };
    send("1F [ENT]\n");
    EXPECT_EQ(readLines(fromCli[0], 6), "5:\n4:\n3:\n2:\n1: 1F\n>\n");
    send("3 [+] 7\n");
    EXPECT_EQ(readLines(fromCli[0], 6), "5:\n4:\n3:\n2:\n1: 22\n> 7\n");
    ::close(toCli[1]);
    EXPECT_EQ(readLines(fromCli[0], 1), "");
    ::close(fromCli[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
} // namespace quarnel::cli
