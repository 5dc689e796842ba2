#pragma once

// Both implementations of the engine behind one table of routines called by
// name with the same arguments, the visible outcome of a call (its text or
// its error message), operand generators and a collector of disagreements.

#include "engine/NumberBase.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quarnel::enginetest {

using engine::NumberBase;
inline constexpr NumberBase kBases[] = {NumberBase::Hex, NumberBase::Oct, NumberBase::Bin,
                                        NumberBase::Dec};

// Every argument a routine can take (a small integer argument is taken from ws).
struct Args {
    std::string a{}, b{};
    NumberBase base = NumberBase::Dec;
    int ws = 0;
};
using Call = std::function<std::string(const Args&)>;

enum class Shape { TwoOperands, OneOperand, Conversion, Other };
struct Routine {
    const char* name;
    Shape shape;
    NumberBase source; // of a conversion
    Call fast, reference;
};
const std::vector<Routine>& routines();
const Routine& routine(const std::string& name);

std::string outcome(const Call& call, const Args& args); // the text, or "error: " and the message
std::string brief(const std::string& text);              // the ends and the length of a long text

class Mismatches {
  public:
    void compare(const Routine& r, const Args& args);
    void compare(const std::string& name, const Args& args) { compare(routine(name), args); }
    // Counts a case; `call` names it when the outcomes differ.
    void record(const std::string& fast, const std::string& other,
                const std::function<std::string()>& call);
    void expectNone() const; // fails the current test, showing the first cases

  private:
    long cases_ = 0, count_ = 0;
    std::string samples_;
};

// Every value of a small word size in the base, then each with a leading
// zero, then each one digit longer than the word size holds.
std::vector<std::string> smallWordTexts(NumberBase base, int ws);
// Texts that are not numbers in the base, the empty one among them.
std::vector<std::string> invalidTexts(NumberBase base);
const char* digitsOf(NumberBase base); // upper-case digit set

class Random {
  public:
    explicit Random(std::uint64_t seed) : rng_(seed) {}
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string digits(const char* alphabet, std::size_t length, bool leadingNonZero = false);
    int wordSize(); // up to 200 bits, small ones more often, and the boundaries among them
    // An operand for the word size: any length up to a little beyond it,
    // boundary values, leading zeros, lower-case hex; now and then invalid.
    std::string operand(NumberBase base, int ws, int invalidPercent = 0);

  private:
    std::mt19937_64 rng_;
};

} // namespace quarnel::enginetest
