#pragma once

#include "storage/Failure.h"
#include "storage/Settings.h"
#include "storage/StoreLocation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include <string>
#include <string_view>
#include <vector>

namespace quarnel::storage {

// What to do when the stack backup cannot be written in the INI store (where
// it is written before the settings).
enum class BackupFailure {
    Stop,     // write nothing more and report it: the window asks the user
    Continue, // the user chose to close anyway: write the settings all the same
};

struct SaveOutcome {
    enum class Status {
        Saved,
        BackupFailed,   // only with BackupFailure::Stop; the settings were not written
        SettingsFailed, // `failure.message` is the error box text
    };
    Status status = Status::Saved;
    Failure failure;

    bool saved() const { return status == Status::Saved; }
};

// The stack as the backup holds it. The base and word size go into the header
// of BACKUP.STK; the native store keeps only the entries.
struct BackupContent {
    engine::NumberBase base = engine::NumberBase::Hex;
    int wordSize = calculator::kDefaultWordSize;
    std::vector<std::string_view> entries; // deepest first
};

// The stack backup as read at start.
struct BackupRead {
    std::vector<std::string> entries; // deepest first
    QString location;                 // where it was looked for, for messages
    QString problem;                  // why it could not be read (empty: it could, or was absent)
    // The base the entries are written in, when the backup names it (BACKUP.STK).
    std::optional<engine::NumberBase> base;
    // The file as read, to keep a copy of what cannot be taken onto the stack.
    QString path;
    QByteArray bytes;
};

// The settings as read at start, with what the user should hear about them.
struct TextsRead {
    SettingTexts texts;
    QStringList notes;
};

// The settings store chosen at start, the two menu commands that switch it,
// and reading and writing the settings with the stack backup.
class SettingsStore {
  public:
    // Chooses the store as at every start; `programPath` is the program's own
    // file (QCoreApplication::applicationFilePath()).
    explicit SettingsStore(const QString& programPath);

    StoreKind kind() const { return kind_; }
    bool inRegistry() const { return kind_ == StoreKind::Native; }
    // "In Ini File" and "In Registry" both switch to the other store; it takes
    // effect at the next save.
    void toggle();
    void setKind(StoreKind kind) { kind_ = kind; }

    const QString& iniPath() const { return iniPath_; }
    // BACKUP.STK in the current directory.
    static QString backupFilePath();

    // A settings file that is not a regular file is read as missing, with a note.
    TextsRead readTexts() const;
    BackupRead readBackup() const;
    // The automatic files of the store in use that are symbolic links: the next
    // save replaces each link by a file.
    QStringList linkNotes() const;

    // INI store: the backup file first, then the settings. Native store: the
    // settings and then the backup subkey, in one write.
    SaveOutcome write(const SettingTexts& texts, const BackupContent& backup,
                      BackupFailure onBackupFailure) const;

  private:
    SaveOutcome writeIni(const SettingTexts& texts, const BackupContent& backup,
                         BackupFailure onBackupFailure) const;
    SaveOutcome writeNative(const SettingTexts& texts,
                            const std::vector<std::string_view>& backup) const;

    QString iniPath_;
    StoreKind kind_;
};

} // namespace quarnel::storage
