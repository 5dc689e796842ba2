// Fast engine against the reference over every value of the word sizes 1 to
// 6 in each base, with leading zeros and one digit too many, and over
// texts that are not numbers.

#include "EngineApi.h"
#include "Mismatches.h"
#include "TextGenerators.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quarnel::enginetest {
namespace {

class EngineDifferentialSmallWord : public ::testing::TestWithParam<std::tuple<int, NumberBase>> {
  protected:
    int ws() const { return std::get<0>(GetParam()); }
    NumberBase base() const { return std::get<1>(GetParam()); }
    std::vector<std::string> texts() const { return smallWordTexts(base(), ws()); }
};

TEST_P(EngineDifferentialSmallWord, TwoOperandOperations) {
    const std::vector<std::string> operands = texts();
    Mismatches mismatches;
    for (std::size_t op = 0; op < kBinaryOps.size(); ++op) {
        const char* name = kBinaryOps[op].name;
        const auto run = [&](const std::string& a, const std::string& b) {
            mismatches.compare(
                [&](const EngineApi& api) { return api.binaryOps[op](a, b, base(), ws()); },
                [&] { return describe(name, a, b, base(), ws()); });
        };
        for (const auto& a : operands) {
            for (const auto& b : operands) {
                run(a, b);
            }
        }
        // Which operand is reported, and how.
        const std::vector<std::string> invalid = invalidTexts(base());
        for (std::size_t i = 0; i < invalid.size(); ++i) {
            const std::string& valid = operands[i * 7 % operands.size()];
            run(invalid[i], valid);
            run(valid, invalid[i]);
            run(invalid[i], invalid[(i + 1) % invalid.size()]);
        }
    }
    mismatches.expectNone();
}

INSTANTIATE_TEST_SUITE_P(All, EngineDifferentialSmallWord,
                         ::testing::Combine(::testing::Range(1, 7), ::testing::ValuesIn(kBases)),
                         [](const auto& info) {
                             return "ws" + std::to_string(std::get<0>(info.param)) + "_" +
                                    baseName(std::get<1>(info.param));
                         });

// The one-operand operations and the conversions are cheap enough to cover
// all four bases in one test per word size.
class EngineDifferentialSmallWordOneOperand : public ::testing::TestWithParam<int> {
  protected:
    int ws() const { return GetParam(); }
};

TEST_P(EngineDifferentialSmallWordOneOperand, Operations) {
    Mismatches mismatches;
    for (NumberBase base : kBases) {
        std::vector<std::string> operands = smallWordTexts(base, ws());
        for (const auto& bad : invalidTexts(base)) {
            operands.push_back(bad);
        }
        for (std::size_t op = 0; op < kUnaryOps.size(); ++op) {
            for (const auto& x : operands) {
                mismatches.compare(
                    [&](const EngineApi& api) { return api.unaryOps[op](x, base, ws()); },
                    [&] { return describe(kUnaryOps[op].name, x, base, ws()); });
            }
        }
    }
    mismatches.expectNone();
}

// Each conversion fed with the texts of its source base, with texts that are
// not numbers there, and with a few that are numbers only in other bases.
TEST_P(EngineDifferentialSmallWordOneOperand, Conversions) {
    Mismatches mismatches;
    for (std::size_t c = 0; c < kConversions.size(); ++c) {
        const NumberBase source = kConversions[c].source;
        std::vector<std::string> inputs = smallWordTexts(source, ws());
        for (const auto& bad : invalidTexts(source)) {
            inputs.push_back(bad);
        }
        for (NumberBase other : kBases) {
            if (other != source) {
                const auto foreign = smallWordTexts(other, ws());
                inputs.insert(inputs.end(), foreign.end() - 5, foreign.end());
            }
        }
        for (const auto& x : inputs) {
            mismatches.compare([&](const EngineApi& api) { return api.conversions[c](x, ws()); },
                               [&] { return describe(kConversions[c].name, x, ws()); });
        }
    }
    mismatches.expectNone();
}

INSTANTIATE_TEST_SUITE_P(All, EngineDifferentialSmallWordOneOperand, ::testing::Range(1, 7),
                         [](const auto& info) { return "ws" + std::to_string(info.param); });

} // namespace
} // namespace quarnel::enginetest
