#pragma once

#include <stdexcept>
#include <string>

namespace quarnel::engine {

// The one way the engine reports a failure: a bad operand, a division by zero
// after reduction, or exhausted memory. The message is the text shown to the user.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A count outside what an operation allows (a bit number beyond the word, a
// field reaching past it, a byte swap of a word that is not whole bytes). The
// calculator shows it as its "Invalid argument(s)" error rather than as a box.
class InvalidArgumentError : public EngineError {
  public:
    InvalidArgumentError() : EngineError("Invalid argument(s)") {}
};

// Abandons the current command with the given message; never returns.
[[noreturn]] void ShowEngineError(const std::string& message);

inline constexpr const char* kOutOfMemoryMessage = "Insufficient memory available to perform task!";

} // namespace quarnel::engine
