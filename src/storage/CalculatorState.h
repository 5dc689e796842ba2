#pragma once

#include "storage/SettingsStore.h"
#include "storage/WindowOptions.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace quarnel::calculator {
class Calculator;
}

namespace quarnel::storage {

// A backup entry that was not a number in the calculator's base and was kept
// off the stack.
struct RejectedEntry {
    std::size_t position = 0; // 0 = the deepest entry of the backup
    std::string text;
};

struct LoadReport {
    std::vector<RejectedEntry> rejected;
    BackupRead backup; // entries moved to the calculator; location and problem kept
    // What the window tells the user after start, or empty when all went well.
    QString notice;
};

// Start: reads every setting and the stack backup from the chosen store into
// the calculator and the window's options, in the stored order (the backup
// between the word size and the StackView mode). `options` holds what the
// window shows before loading and receives what it is to show.
LoadReport loadCalculatorState(const SettingsStore& store, calculator::Calculator& calculator,
                               WindowOptions& options);

// Close: writes every setting and the stack backup to the chosen store.
SaveOutcome saveCalculatorState(const SettingsStore& store,
                                const calculator::Calculator& calculator,
                                const WindowOptions& options,
                                BackupFailure onBackupFailure = BackupFailure::Stop);

} // namespace quarnel::storage
