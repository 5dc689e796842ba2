// Text pasted into the input line: what each text gives in each base, the
// refusals with their message, and where the pasted number goes in.

#include "calculator/Paste.h"
#include "Probe.h"
#include "calculator/Calculator.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using engine::NumberBase;
using Entries = std::vector<std::string>;

constexpr auto HEX = NumberBase::Hex;
constexpr auto DEC = NumberBase::Dec;
constexpr auto BIN = NumberBase::Bin;
constexpr auto OCT = NumberBase::Oct;

class MessageHost final : public CalculatorHost {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void focusInput() override {}
    std::vector<std::string> messages;
};

// A calculator in `base` at `ws` bits holding "1" on the stack and `line`.
struct Pasting {
    explicit Pasting(NumberBase base, int ws = 64, std::string line = {}) : calc(&host) {
        calc.loadBase(base);
        calc.loadWordSize(ws);
        calc.loadStack({"1"});
        calc.loadInputText(std::move(line));
    }
    MessageHost host;
    Calculator calc;
};

struct OneNumber {
    NumberBase base;
    int ws;
    const char* pasted;
    const char* line; // the input line after the paste
};

TEST(PasteTest, OneNumberGoesIntoTheEmptyLine) {
    const OneNumber rows[] = {
        {HEX, 64, "0xDEADBEEF", "DEADBEEF"},
        {HEX, 64, "dead'beef", "deadbeef"},
        {HEX, 64, "\tDEADBEEF \r\n", "DEADBEEF"},
        {HEX, 64, "DE AD\tBE__EF", "DEADBEEF"},
        {HEX, 64, "0FFh", "FF"},
        {HEX, 64, "0x00ff", "FF"},
        {HEX, 64, "0xFFull", "FF"},
        {HEX, 64, "FFu", "FF"},
        {HEX, 64, "0d255", "0d255"}, // a number of the base as it stands wins
        {HEX, 64, "0b1010", "0b1010"},
        {HEX, 8, "-0x2", "FE"},
        {HEX, 8, "0x1FF", "FF"},
        {HEX, 64, "1\u00A0000", "1000"},       // no-break space
        {HEX, 64, "\u202F12\u200934", "1234"}, // narrow and thin spaces
        {DEC, 64, "ffH", "255"},
        {DEC, 64, "1'000'000", "1000000"},
        {DEC, 64, "0B1010UL", "10"},
        {DEC, 64, "42LU", "42"},
        {DEC, 8, "-1", "255"},
        {DEC, 16, "-0x1", "65535"},
        {DEC, 64, "-0", "0"},
        {DEC, 64, "0123", "0123"},
        {BIN, 64, "0b0101", "101"},
        {BIN, 64, "0101", "0101"},
        {BIN, 4, "-1", "1111"},
        {BIN, 64, "1010 1010", "10101010"},
        {OCT, 64, "$8", "10"},
        {OCT, 64, "017", "017"},
    };
    for (const OneNumber& row : rows) {
        SCOPED_TRACE(row.pasted);
        Pasting p(row.base, row.ws);
        const std::optional<std::size_t> caret = p.calc.paste(row.pasted);
        EXPECT_EQ(p.calc.inputText(), row.line);
        EXPECT_EQ(caret, p.calc.inputText().size());
        EXPECT_EQ(p.calc.stack(), StackList::fromVector({"1"}));
        EXPECT_TRUE(p.host.messages.empty());
    }
}

struct Refusal {
    NumberBase base;
    const char* pasted;
    const char* quoted; // what the message quotes
};

TEST(PasteTest, UnreadableTextChangesNothingAndSaysWhat) {
    const Refusal rows[] = {
        {HEX, "0x", "\"0x\""},
        {HEX, "-", "\"-\""},
        {HEX, "$", "\"$\""},
        {HEX, "0xG1", "\"0xG1\""},
        {HEX, "0x 12", "\"0x 12\""},
        {HEX, "12 + 3", "\"12 + 3\""},
        {HEX, "_12", "\"_12\""},
        {HEX, "12_", "\"12_\""},
        {HEX, "0xFFuu", "\"0xFFuu\""},
        {HEX, "0xFFlul", "\"0xFFlul\""},
        {HEX, "0x10h", "\"0x10h\""},
        {HEX, "FFhu", "\"FFhu\""},
        {HEX, "--1", "\"--1\""},
        {HEX, "1.5", "\"1.5\""},
        {HEX, "  hello world  ", "\"hello world\""},
        {DEC, "FF", "\"FF\""},
        {DEC, "0b102", "\"0b102\""},
        {DEC, "0o8", "\"0o8\""},
        {BIN, "102", "\"102\""},
        {BIN, "1010b", "\"1010b\""},
        {OCT, "9", "\"9\""},
        {OCT, "a\001b", "\"a?b\""},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.pasted);
        Pasting p(row.base, 64, "7");
        EXPECT_EQ(p.calc.paste(row.pasted, 1), std::nullopt);
        EXPECT_EQ(p.calc.inputText(), "7");
        EXPECT_EQ(p.calc.stack(), StackList::fromVector({"1"}));
        EXPECT_EQ(p.host.messages.size(), 1u);
        const std::string message = p.host.messages.empty() ? "" : p.host.messages[0];
        EXPECT_NE(message.find(row.quoted), std::string::npos) << message;
        EXPECT_NE(message.find(Calculator::baseName(row.base)), std::string::npos);
    }
}

TEST(PasteTest, BlankTextIsNoPasteAtAll) {
    for (const char* blank : {"", "  ", "\n\r\n", " \t \xC2\xA0 "}) {
        Pasting p(HEX, 64, "7");
        EXPECT_EQ(p.calc.paste(blank, 1), std::nullopt);
        EXPECT_EQ(p.calc.inputText(), "7");
        EXPECT_TRUE(p.host.messages.empty());
    }
}

TEST(PasteTest, LongUnreadableTextIsShortenedInTheMessage) {
    Pasting p(HEX);
    const std::string text = "this text is not a number at all, and it goes on for a while";
    p.calc.paste(text);
    ASSERT_EQ(p.host.messages.size(), 1u);
    const std::string& message = p.host.messages[0];
    EXPECT_NE(message.find('"' + text.substr(0, 37) + "...\""), std::string::npos) << message;
    EXPECT_EQ(message.find(text.substr(30, 10)), std::string::npos) << message;
    // A character of several bytes is never cut through.
    std::string accented;
    for (int i = 0; i < 50; ++i)
        accented += "\xC3\xA9"; // é
    p.host.messages.clear();
    p.calc.paste(accented);
    ASSERT_EQ(p.host.messages.size(), 1u);
    std::string kept;
    for (int i = 0; i < 37; ++i)
        kept += "\xC3\xA9";
    EXPECT_NE(p.host.messages[0].find('"' + kept + "...\""), std::string::npos);
}

struct Placed {
    const char* line;
    std::size_t at;
    std::size_t replaced;
    const char* pasted;
    const char* after;
    std::size_t caret;
};

TEST(PasteTest, OneNumberGoesWhereTheCaretIsOverTheSelection) {
    const Placed rows[] = {
        {"12", 1, 0, "34", "1342", 3},
        {"12", 0, 0, "0xF", "F12", 1},
        {"1234", 1, 2, "0xF", "1F4", 2},
        {"1234", 0, 4, "ab", "ab", 2},
        {"12", 2, 0, " 3 4 ", "1234", 4},
        {"12", 99, 99, "3", "123", 3}, // places past the end stand for the end
    };
    for (const Placed& row : rows) {
        SCOPED_TRACE(row.pasted);
        Pasting p(HEX, 64, row.line);
        EXPECT_EQ(p.calc.paste(row.pasted, row.at, row.replaced), row.caret);
        EXPECT_EQ(p.calc.inputText(), row.after);
    }
}

struct Lines {
    NumberBase base;
    const char* line;
    const char* pasted;
    Entries stack; // after the paste; the stack held "1" before
    const char* after;
};

TEST(PasteTest, SeveralLinesAreEnteredAndTheLastStaysInTheLine) {
    const Lines rows[] = {
        {HEX, "", "1\n2\n3", {"1", "1", "2"}, "3"},
        {HEX, "", "0x10\r\n\r\n  0x20  \r\n", {"1", "10"}, "20"},
        {HEX, "", "ab\ncd", {"1", "AB"}, "cd"},
        {HEX, "A", "1\n2", {"1", "A1"}, "2"},
        {HEX, "", "007\n0", {"1", "7"}, "0"},
        {DEC, "", "0xFF\n-1\n10", {"1", "255", "18446744073709551615"}, "10"},
        {BIN, "", "0b1\r0x2\r3h", {"1", "1", "10"}, "11"},
    };
    for (const Lines& row : rows) {
        SCOPED_TRACE(row.pasted);
        Pasting p(row.base, 64, row.line);
        const std::size_t at = std::string_view(row.line).size();
        EXPECT_EQ(p.calc.paste(row.pasted, at), std::string_view(row.after).size());
        EXPECT_EQ(p.calc.stack(), StackList::fromVector(row.stack));
        EXPECT_EQ(p.calc.inputText(), row.after);
        EXPECT_EQ(upper(CalculatorProbe::lastInput(p.calc)), row.stack.back())
            << "Restore Input brings back the last entered";
        // One step for Undo Last.
        p.calc.run(Command::UndoLast);
        EXPECT_EQ(p.calc.stack(), StackList::fromVector({"1"}));
        EXPECT_EQ(p.calc.displayLines()[4], "1");
    }
}

TEST(PasteTest, SeveralLinesWithOneUnreadableChangeNothing) {
    Pasting p(HEX, 64, "7");
    p.calc.run(Command::Enter); // an undo copy the refusal must keep
    EXPECT_EQ(p.calc.paste("1\n\nZZ\n3", 0), std::nullopt);
    EXPECT_EQ(p.calc.inputText(), "");
    EXPECT_EQ(p.calc.stack(), StackList::fromVector({"1", "7"}));
    EXPECT_EQ(CalculatorProbe::undo(p.calc), StackList::fromVector({"1"}));
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_NE(p.host.messages[0].find("line 3, \"ZZ\""), std::string::npos) << p.host.messages[0];
}

TEST(PasteTest, SeveralLinesKeepTheMaximumDepth) {
    Pasting p(HEX);
    p.calc.loadMaxStackDepth(kMinLimitedDepth);
    p.calc.paste("2\n3\n4\n5\n6\n7\n8");
    EXPECT_EQ(p.calc.stack(), StackList::fromVector({"3", "4", "5", "6", "7"}));
    EXPECT_EQ(p.calc.inputText(), "8");
}

// Numbers written out by the C library read back as the same value in every
// base, with and without a sign.
TEST(PasteTest, MarkedNumbersReadAsTheirValueInEveryBase) {
    std::mt19937_64 random(11);
    const auto printed = [&](const char* format, std::uint64_t v) {
        char text[40];
        std::snprintf(text, sizeof text, format, v);
        return std::string(text);
    };
    for (int round = 0; round < 200; ++round) {
        const std::uint64_t v = random() >> (random() % 64);
        const std::string marked[] = {
            printed("0x%" PRIx64, v),   printed("$%" PRIX64 "ULL", v), printed("%" PRIX64 "h", v),
            "0b" + inRadix(v, 2) + "u", printed("0o%" PRIo64, v),      printed("0d%" PRIu64 "u", v),
        };
        for (const NumberBase base : {HEX, DEC, BIN, OCT}) {
            for (const std::string& text : marked) {
                SCOPED_TRACE(text);
                EXPECT_EQ(readPastedNumber(text, base, 64), inRadix(v, radixOf(base)));
                EXPECT_EQ(readPastedNumber("-" + text, base, 64), inRadix(0 - v, radixOf(base)));
            }
        }
    }
}

} // namespace
} // namespace quarnel::calculator
