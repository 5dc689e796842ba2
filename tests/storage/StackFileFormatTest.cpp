#include "storage/StackFileFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quarnel::storage {
namespace {

using V = std::vector<std::string>;

TEST(StackFileFormat, LinesEndAtCrLfCrOrLf) {
    // clang-format off
    const struct { std::string text; V expected; } cases[] = {
        {"", {}}, {"\r\n", {""}}, {"a", {"a"}}, {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}}, {"a\r\r\nb", {"a", "", "b"}}, {"a\n\nb", {"a", "", "b"}}, // LF then CR: two line ends
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        V lines;
        for (auto line : splitLines(c.text)) {
            lines.emplace_back(line);
        }
        EXPECT_EQ(lines, c.expected) << testing::PrintToString(c.text);
    }
}

TEST(StackFileFormat, RefusedFilesNameTheProblem) {
    using Kind = StackFileProblem::Kind;
    // clang-format off
    const struct { std::string text; Kind kind; std::string problemText; std::size_t line; } cases[] = {
        {"", Kind::TooFewLines, "", 1}, {"1\r\n", Kind::TooFewLines, "", 2}, {std::string(10'000'000, 'F'), Kind::TooFewLines, "", 2},
        {"1\r\nabc\r\n", Kind::BadWordSize, "abc", 2}, {"1\r\n\r\n", Kind::BadWordSize, "", 2}, {"1\r\n64 \r\n", Kind::BadWordSize, "64 ", 2},
        {std::string("\x01\xff\n\x00\x02\n", 6), Kind::BadWordSize, std::string("\x00\x02", 2), 2},
        {"1\r\n64\r\n1F\r\nXYZ\r\n", Kind::InvalidEntry, "XYZ", 4}, {"2\r\n64\r\n12\r\n1A\r\n", Kind::InvalidEntry, "1A", 4},
        {"3\r\n8\r\n2\r\n", Kind::InvalidEntry, "2", 3}, {"4\r\n8\r\n8\r\n", Kind::InvalidEntry, "8", 3},
        {"1\r\n64\r\n 1F\r\n", Kind::InvalidEntry, " 1F", 3}, {"1\n64\n\n\nG\n", Kind::InvalidEntry, "G", 5},
        {std::string("1\n64\nA\0B\n", 9), Kind::InvalidEntry, std::string("A\0B", 3), 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto parsed = parseStackFile(c.text);
        const std::string shown = testing::PrintToString(c.text.substr(0, 40));
        ASSERT_TRUE(std::holds_alternative<StackFileProblem>(parsed)) << shown;
        const auto& problem = std::get<StackFileProblem>(parsed);
        EXPECT_EQ(std::tie(problem.kind, problem.text, problem.line),
                  std::tie(c.kind, c.problemText, c.line))
            << shown;
    }
}

} // namespace
} // namespace quarnel::storage
