// The terminal's output for every command and key after a set of starting
// states, against the outputs recorded in golden.txt (make_golden.py). A line
// of the file: standard input, a tab, standard output, "\n" for line breaks.

#include "cli/Script.h"
#include "cli/Session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quarnel::cli {
namespace {

std::string unescape(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at))
        text.replace(at, 2, "\n");
    return text;
}

TEST(GoldenTest, EveryCaseGivesItsRecordedOutput) {
    std::ifstream golden(QUARNEL_CLI_GOLDEN);
    ASSERT_TRUE(golden) << QUARNEL_CLI_GOLDEN;
    std::string line;
    int cases = 0;
    while (std::getline(golden, line)) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        std::istringstream input(unescape(line.substr(0, tab)));
        std::ostringstream out;
        Session session(out);
        // As quarnel-cli runs standard input: each line, then the display.
        for (std::string script; session.readLine(input, script);) {
            const std::optional<std::string> unknown = session.runLine(script);
            ASSERT_FALSE(unknown) << *unknown;
            session.printDisplay();
        }
        EXPECT_EQ(out.str(), unescape(line.substr(tab + 1))) << line.substr(0, tab);
        ++cases;
    }
    EXPECT_GT(cases, 1000);
}

} // namespace
} // namespace quarnel::cli
