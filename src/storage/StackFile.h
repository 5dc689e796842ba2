#pragma once

#include "storage/Failure.h"

#include <QString>

#include <optional>

namespace quarnel::calculator {
class Calculator;
}

namespace quarnel::storage {

// The name Save Stack writes: the chosen name with the extension of its file
// name replaced by ".STK" (appended when it has none). The window asks before
// overwriting this name, not the name as typed.
QString stackFileName(const QString& chosenName);

// Save Stack: writes the stack, its base and word size to stackFileName(chosen),
// replacing an old file only once the new one is whole. The calculator is not
// changed. On failure the message is "Cannot create file <name>".
std::optional<Failure> saveStackFile(const QString& chosenName,
                                     const calculator::Calculator& calculator);

// Load Stack: reads the file named exactly as chosen; on success the calculator
// takes its base (converted as by the base button), its word size and its
// entries, and Undo Last cannot bring back the old stack. A file that cannot be
// read, lacks a header line, has a bad word size or an entry that is no number
// in its base changes nothing and gives the message for the box.
// An engine::EngineError from converting the input line to the new base leaves
// the calculator unchanged and propagates like any command's.
std::optional<Failure> loadStackFile(const QString& path, calculator::Calculator& calculator);

} // namespace quarnel::storage
