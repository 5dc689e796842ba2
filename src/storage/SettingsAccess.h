#pragma once

#include "storage/Settings.h"

#include <QSettings>

#include <string>
#include <string_view>
#include <vector>

namespace quarnel::storage {

// The native store's subkey that holds the stack backup, one value per entry
// named "Level" and the entry's position (Level0 the deepest).
inline constexpr const char* kBackupGroup = "BackUpStack";

// Reads the settings. Sections and keys are matched without regard
// to case (as the Windows stores do), an exact match preferred.
SettingTexts readSettingTexts(QSettings& settings);

// Writes the settings in their order, passing over those left out (not yet
// synced).
void writeSettingTexts(QSettings& settings, const SettingTexts& texts);

// The backup values in the order of the number in their names (values named
// otherwise follow in listing order); values with empty data are passed over.
std::vector<std::string> readBackupGroup(QSettings& settings);

// Replaces the backup subkey with Level0, Level1, ...; an empty stack leaves no
// subkey (not yet synced).
void writeBackupGroup(QSettings& settings, const std::vector<std::string_view>& entries);

} // namespace quarnel::storage
