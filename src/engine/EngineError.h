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

// Abandons the current command with the given message; never returns.
[[noreturn]] void ShowEngineError(const std::string& message);

inline constexpr const char* kOutOfMemoryMessage = "Insufficient memory available to perform task!";

} // namespace quarnel::engine
