// The terminal's [Readout] lines: their order and form, for the value shown.

#include "../calculator/Probe.h"
#include "cli/Script.h"
#include "cli/Session.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace quarnel::cli {
namespace {

using calculator::inRadix;

std::string run(const std::string& line) {
    std::ostringstream out;
    Session session(out);
    const ParsedScript script = parseTokens(splitTokens(line));
    EXPECT_FALSE(script.unknown) << line;
    session.run(script.actions);
    session.printDisplay();
    return out.str();
}

// The lines a value of word size ws gives, built from native arithmetic.
std::string expectedLines(std::uint64_t v, int ws) {
    const bool negative = (v >> (ws - 1)) & 1;
    const std::uint64_t mask = ws == 64 ? ~0ULL : (1ULL << ws) - 1;
    const std::string signedDec = negative ? "-" + inRadix((~v + 1) & mask, 10) : inRadix(v, 10);
    return "[Readout] HEX: " + inRadix(v, 16) + "\n[Readout] DEC: " + inRadix(v, 10) +
           "\n[Readout] OCT: " + inRadix(v, 8) + "\n[Readout] BIN: " + inRadix(v, 2) +
           "\n[Readout] Signed: " + signedDec + "\n[Readout] Word size: " + std::to_string(ws) +
           ", set bits: " + std::to_string(std::popcount(v)) +
           ", leading zeros: " + std::to_string(std::countl_zero(v) - (64 - ws)) +
           ", trailing zeros: " + std::to_string(v == 0 ? ws : std::countr_zero(v)) + "\n";
}

struct Row {
    const char* script; // ends in [Readout], or names it in another case
    std::optional<std::uint64_t> value;
    int ws;
};

TEST(CliReadout, LinesForTheValueShown) {
    const Row rows[] = {
        {"FF [Readout]", 0xFF, 64},                // the line's text
        {"8 [STWS] 1FF [ENT] [Readout]", 0xFF, 8}, // level 1, reduced, negative
        {"[DEC] 5 [ENT] 300 [readout]", 300, 64},  // the line over level 1
        {"[BIN] 1 [ENT] 0 [Readout]", 0, 64},      // zero: all leading and trailing
        {"[Readout]", std::nullopt, 64},           // no value: no lines
    };
    for (const Row& row : rows) {
        const std::string script = row.script;
        const std::string out = run(script);
        const std::size_t cut = script.rfind(" [");
        const std::string without = run(cut == std::string::npos ? "" : script.substr(0, cut));
        const std::string expected = row.value ? expectedLines(*row.value, row.ws) : "";
        // The readout lines come first, and the display after them is as
        // without the token.
        EXPECT_EQ(out, expected + without) << script;
    }
}

} // namespace
} // namespace quarnel::cli
