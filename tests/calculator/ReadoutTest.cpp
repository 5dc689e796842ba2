#include "calculator/Readout.h"
#include "Probe.h"
#include "calculator/Calculator.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

namespace quarnel::calculator {
namespace {

// Every field against native 64-bit arithmetic, for seeded values at every
// word size up to 64, entered in DEC unreduced (so reduction is checked too).
TEST(Readout, MatchesNativeArithmetic) {
    std::mt19937_64 random(12);
    for (int ws = 1; ws <= 64; ++ws) {
        const std::uint64_t mask = ws == 64 ? ~0ULL : (1ULL << ws) - 1;
        for (const std::uint64_t raw :
             {std::uint64_t{0}, ~std::uint64_t{0}, std::uint64_t{1} << (ws - 1),
              std::uint64_t{random()}, std::uint64_t{random() >> (64 - ws)}}) {
            const std::uint64_t v = raw & mask;
            const Readout r = makeReadout(inRadix(raw, 10), engine::NumberBase::Dec, ws);
            EXPECT_EQ(r.hex, inRadix(v, 16));
            EXPECT_EQ(r.dec, inRadix(v, 10));
            EXPECT_EQ(r.oct, inRadix(v, 8));
            EXPECT_EQ(r.bin, inRadix(v, 2));
            EXPECT_EQ(r.setBits, std::popcount(v));
            EXPECT_EQ(r.leadingZeros, std::countl_zero(v) - (64 - ws));
            EXPECT_EQ(r.trailingZeros, v == 0 ? ws : std::countr_zero(v));
            const bool negative = (v >> (ws - 1)) & 1;
            const std::uint64_t magnitude = negative ? ((~v + 1) & mask) : v;
            EXPECT_EQ(r.signedDec,
                      (negative ? "-" : "") + inRadix(magnitude == 0 ? v : magnitude, 10))
                << "ws " << ws << " v " << v;
        }
    }
}

// The value shown: the input line while it holds text, else level 1.
TEST(Readout, FollowsTheLineThenLevelOne) {
    Calculator c;
    EXPECT_FALSE(readoutOf(c));
    c.setInputText("1F");
    EXPECT_EQ(readoutOf(c)->dec, "31");
    c.run(Command::Enter);
    c.setInputText("2");
    EXPECT_EQ(readoutOf(c)->dec, "2");
    c.run(Command::Delete);
    EXPECT_EQ(readoutOf(c)->dec, "31");
}

} // namespace
} // namespace quarnel::calculator
