#pragma once

// The visible result of one engine call: its text, or the message of the
// error it raised. Comparing outcomes compares results and messages at once.

#include "engine/EngineError.h"

#include <ostream>
#include <string>

namespace quarnel::enginetest {

struct Outcome {
    bool failed = false;
    std::string text;

    friend bool operator==(const Outcome&, const Outcome&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Outcome& o) {
        return out << (o.failed ? "error \"" : "\"") << o.text << '"';
    }
};

inline Outcome result(std::string text) {
    return {false, std::move(text)};
}
inline Outcome error(std::string message) {
    return {true, std::move(message)};
}

template <typename Call> Outcome capture(Call&& call) {
    try {
        return result(call());
    } catch (const engine::EngineError& e) {
        return error(e.what());
    }
}

} // namespace quarnel::enginetest
