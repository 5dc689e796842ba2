#pragma once

// Collects the cases where the fast engine and the reference disagree, so a
// run over many thousands of cases reports a count and the first few cases
// instead of thousands of failures.

#include "EngineApi.h"
#include "Outcome.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quarnel::enginetest {

class Mismatches {
  public:
    // Runs the call on both implementations and compares the outcomes; the
    // case is described only when they differ.
    template <typename Call, typename Describe>
    void compare(const Call& call, const Describe& describeCase) {
        ++cases_;
        const Outcome fast = capture([&] { return call(fastEngine()); });
        const Outcome ref = capture([&] { return call(referenceEngine()); });
        if (!(fast == ref)) {
            record(describeCase(), fast, ref);
        }
    }

    void record(const std::string& what, const Outcome& fast, const Outcome& ref) {
        ++count_;
        if (samples_.size() < kSamples) {
            std::ostringstream line;
            line << what << ": fast " << fast << ", reference " << ref;
            samples_.push_back(line.str());
        }
    }

    // Fails the current test if anything differed.
    void expectNone() const {
        std::ostringstream text;
        for (const auto& s : samples_) {
            text << "\n  " << s;
        }
        EXPECT_EQ(count_, 0) << "of " << cases_ << " cases differ; first ones:" << text.str();
    }

  private:
    static constexpr std::size_t kSamples = 12;
    long cases_ = 0;
    long count_ = 0;
    std::vector<std::string> samples_;
};

std::string describe(const char* routine, const std::string& a, int ws);
std::string describe(const char* routine, const std::string& a, NumberBase base, int ws);
std::string describe(const char* routine, const std::string& a, const std::string& b,
                     NumberBase base, int ws);

} // namespace quarnel::enginetest
