#include "calculator/Commands.h"

namespace quarnel::calculator {

std::string_view errorText(ErrorCode code) {
    switch (code) {
    case ErrorCode::TooFewArguments:
        return "Error: Too few arguments";
    case ErrorCode::InvalidArgument:
        return "Error: Invalid argument(s)";
    case ErrorCode::Overflow:
        return "Error: Overflow";
    case ErrorCode::DivisionByZero:
        return "Error: Division by zero";
    case ErrorCode::InvalidOperation:
        return "Error: Invalid operation";
    }
    return {};
}

} // namespace quarnel::calculator
