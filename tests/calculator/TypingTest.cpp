// Typing a whole token at once must leave the input line exactly as typing
// it one character at a time does, each character checked as it arrives.

#include "Probe.h"
#include "calculator/Calculator.h"
#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

// The line as the character-by-character rule leaves it, character by character.
std::vector<std::string> linesAfterEachCharacter(Calculator& c, std::string_view text) {
    std::vector<std::string> lines;
    for (const char ch : text) {
        c.setInputText(c.inputText() + ch);
        lines.push_back(c.inputText());
    }
    return lines;
}

struct Start {
    NumberBase base;
    std::string line; // loaded unchecked, so it may hold invalid characters
    bool skipCheck;
};

void prepare(Calculator& c, const Start& start) {
    c.loadBase(start.base);
    c.loadInputText(start.line);
    if (start.skipCheck)
        CalculatorProbe::skipNextCheck(c);
}

// Every prefix of the text typed at once gives the line the characters one
// by one give after that many characters, and leaves the next change checked
// (or not) as they do: a "Z" typed after it, refused in every base.
void expectSameAsEachCharacter(const Start& start, std::string_view text) {
    Calculator oneByOne;
    prepare(oneByOne, start);
    const std::vector<std::string> expected = linesAfterEachCharacter(oneByOne, text);
    for (std::size_t length = 1; length <= text.size(); ++length) {
        const std::string_view typed = text.substr(0, length);
        Calculator atOnce;
        prepare(atOnce, start);
        atOnce.typeText(typed);
        ASSERT_EQ(atOnce.inputText(), expected[length - 1])
            << "base " << Calculator::baseName(start.base) << " line '" << start.line << "' skip "
            << start.skipCheck << " typing '" << typed << "'";
        Calculator thenZ;
        prepare(thenZ, start);
        linesAfterEachCharacter(thenZ, std::string(typed) + "Z");
        atOnce.setInputText(atOnce.inputText() + "Z");
        ASSERT_EQ(atOnce.inputText(), thenZ.inputText()) << "after typing '" << typed << "'";
    }
}

TEST(TypingTest, RandomTextMatchesTypingEachCharacter) {
    std::mt19937 random(2026);
    const std::string_view alphabet = "0123456789abcdefABCDEFgGxXnZ-.+ 01";
    for (int round = 0; round < 400; ++round) {
        const Start start{kBases[random() % 4], randomText(random, alphabet, 6), random() % 4 == 0};
        expectSameAsEachCharacter(start, randomText(random, alphabet, 24));
    }
}

// Several tokens in a row, with base changes between them that convert the
// line (a base command) or leave it as it is (loading a base): the line
// typing remembers as checked must follow.
TEST(TypingTest, TokensInARowMatchTypingEachCharacter) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789abcdefXg";
    const Command baseCommands[] = {Command::BaseHex, Command::BaseOct, Command::BaseBin,
                                    Command::BaseDec};
    for (int round = 0; round < 200; ++round) {
        Calculator atOnce;
        Calculator oneByOne;
        for (int step = 0; step < 12; ++step) {
            switch (random() % 4) {
            case 0: {
                // A line left invalid by loading a base cannot be converted.
                const Command command = baseCommands[random() % 4];
                bool refused[2] = {false, false};
                for (Calculator* c : {&atOnce, &oneByOne}) {
                    try {
                        c->run(command);
                    } catch (const engine::EngineError&) {
                        refused[c == &oneByOne] = true;
                    }
                }
                ASSERT_EQ(refused[0], refused[1]);
                break;
            }
            case 1: {
                const NumberBase base = kBases[random() % 4];
                atOnce.loadBase(base);
                oneByOne.loadBase(base);
                break;
            }
            default: {
                const std::string text = randomText(random, alphabet, 4);
                atOnce.typeText(text);
                linesAfterEachCharacter(oneByOne, text);
                break;
            }
            }
            ASSERT_EQ(atOnce.inputText(), oneByOne.inputText()) << "round " << round;
        }
    }
}

} // namespace
} // namespace quarnel::calculator
