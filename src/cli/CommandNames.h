#pragma once

#include "calculator/Calculator.h"

#include <optional>
#include <string_view>

namespace quarnel::cli {

using CommandFn = void (*)(calculator::Calculator&);

// The calculator command named by a button caption or menu command
// ("ENT", "DIV", "Dup2", "SetMax", ...), case-insensitive.
std::optional<CommandFn> findCommand(std::string_view name);

// The key of the input line named "Enter", "KP+", "&", "N", ..., case-insensitive.
std::optional<calculator::Key> findKey(std::string_view name);

} // namespace quarnel::cli
