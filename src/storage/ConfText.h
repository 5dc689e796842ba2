#pragma once

#include "storage/Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::storage {

// Which lines of the old file that are not the program's own a merge keeps.
enum class ForeignLines {
    All,   // every line, as it stands
    Plain, // well-formed section headers, comments and key=value lines without quotes
           // or escapes
    None,  // only the program's own settings and backup
};

// Builds the new text of a settings file (Qt's INI layout) in one pass: the
// settings replaced in place or added (those left out are not added), sections and keys matched
// whatever their case (a duplicate in another case is dropped), everything
// else kept as `keep` says. With `backup`, the backup section (in any case) is
// replaced by the given entries (none: no section); without, a backup section
// stays as it is. Lines left out are added to `dropped`.
std::string mergeConfText(std::string_view oldText, const SettingTexts& texts,
                          const std::vector<std::string_view>* backup,
                          ForeignLines keep = ForeignLines::All,
                          std::vector<std::string>* dropped = nullptr);

// A value as the INI layout writes it: plain text as it is, anything else
// quoted with escapes.
std::string confValue(std::string_view value);

// Reads the backup section of such a file in the order of the numbers in the
// value names, passing over empty values. Gives nothing when the section is
// not as this program writes it (escaped values, other names, a name twice,
// the section twice or in another case); the caller then reads through
// QSettings.
std::optional<std::vector<std::string>> readConfBackup(std::string_view text);

} // namespace quarnel::storage
