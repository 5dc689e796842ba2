#pragma once

#include "storage/Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::storage {

// Builds the new text of the per-user settings file (Qt's INI layout) in one
// pass: the fourteen settings replaced in place or added, the backup section
// replaced by the given entries (none: no section), everything else kept line
// for line. Writing a large backup through QSettings costs a map insertion and
// an escape per value; this writes it as plain lines instead.
//
// Gives nothing when a value holds a character that the INI layout would have
// to escape; the caller then writes through QSettings.
std::optional<std::string> mergeConfText(std::string_view oldText, const SettingTexts& texts,
                                         const std::vector<std::string_view>& backup);

// Reads the backup section of such a file in the order of the numbers in the
// value names, passing over empty values. Gives nothing when the section is
// not as this program writes it (escaped values, other names, a name twice,
// the section twice or in another case); the caller then reads through
// QSettings.
std::optional<std::vector<std::string>> readConfBackup(std::string_view text);

} // namespace quarnel::storage
