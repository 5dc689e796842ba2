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

std::string_view arithCaption(ArithOp op) {
    switch (op) {
    case ArithOp::Add:
        return "+";
    case ArithOp::Subtract:
        return "-";
    case ArithOp::Multiply:
        return "*";
    case ArithOp::Divide:
        return "DIV";
    case ArithOp::And:
        return "AND";
    case ArithOp::Or:
        return "OR";
    case ArithOp::Xor:
        return "XOR";
    }
    return {};
}

std::string_view unaryCaption(UnaryOp op) {
    switch (op) {
    case UnaryOp::Neg:
        return "NEG";
    case UnaryOp::Not:
        return "NOT";
    case UnaryOp::ShiftLeft:
        return "SL";
    case UnaryOp::ShiftRight:
        return "SR";
    case UnaryOp::ArithShiftRight:
        return "ASR";
    case UnaryOp::ShiftLeftByte:
        return "SLB";
    case UnaryOp::ShiftRightByte:
        return "SRB";
    case UnaryOp::RotateLeft:
        return "RL";
    case UnaryOp::RotateRight:
        return "RR";
    case UnaryOp::RotateLeftByte:
        return "RLB";
    case UnaryOp::RotateRightByte:
        return "RRB";
    }
    return {};
}

} // namespace quarnel::calculator
