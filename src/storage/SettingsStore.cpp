#include "storage/SettingsStore.h"

#include "storage/ConfText.h"
#include "storage/FileAccess.h"
#include "storage/Messages.h"
#include "storage/NativeSettings.h"
#include "storage/SettingsAccess.h"
#include "storage/StackFileFormat.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <variant>

namespace quarnel::storage {

namespace {

QString backupFileName() {
    return QStringLiteral("BACKUP.STK");
}

// Reads a settings file with the reader the start uses. A file that is not a
// regular file (a pipe would block the reader) counts as missing.
SettingTexts readSettingsFile(const QString& path, QSettings::Format format, QStringList* notes) {
    if (auto reason = notARegularFile(path)) {
        if (notes != nullptr) {
            notes->append(QStringLiteral("The settings in %1 could not be read (%2); the "
                                         "defaults are used.")
                              .arg(QDir::toNativeSeparators(path), *reason));
        }
        return {};
    }
    if (format == QSettings::NativeFormat) {
        return readSettingTexts(*openNativeSettings());
    }
    QSettings settings(path, format);
    return readSettingTexts(settings);
}

// The backup entries of a per-user settings file as the start reads them.
std::vector<std::string> readNativeBackup(const QString& path, const QByteArray& bytes) {
    if (auto entries = readConfBackup(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return std::move(*entries);
    }
    QSettings settings(path, QSettings::IniFormat);
    return readBackupGroup(settings);
}

const QString kReadsBack = QStringLiteral("the new settings would not read back as saved");

// Writes a settings file through the checked atomic writer. The new text is
// read back by the start's own reader before it replaces the old file; lines
// of the old file that would change that reading are dropped (and named on
// standard error).
std::optional<QString> writeSettingsFile(const QString& path, const SettingTexts& texts,
                                         const std::vector<std::string_view>* backup) {
    QByteArray old;
    // A link is replaced, never read through: its target is not ours.
    if (QFileInfo::exists(path) && !QFileInfo(path).isSymLink() && !notARegularFile(path)) {
        auto content = readWholeFile(path);
        if (auto* reason = std::get_if<QString>(&content)) {
            return *reason;
        }
        old = std::get<QByteArray>(std::move(content));
    }
    const WriteCheck check = [&](const QString& temp) -> std::optional<QString> {
        QSettings settings(temp, QSettings::IniFormat);
        const SettingTexts read = readSettingTexts(settings);
        for (std::size_t i = 0; i < kSettingCount; ++i) {
            if (texts[i] && read[i].value_or(std::string()) != *texts[i]) {
                return kReadsBack;
            }
        }
        if (backup != nullptr) {
            auto content = readWholeFile(temp);
            const auto* bytes = std::get_if<QByteArray>(&content);
            if (bytes == nullptr) {
                return std::get<QString>(content);
            }
            const std::vector<std::string> entries = readNativeBackup(temp, *bytes);
            if (!std::equal(entries.begin(), entries.end(), backup->begin(), backup->end())) {
                return kReadsBack;
            }
        }
        return std::nullopt;
    };
    const std::string_view oldText(old.constData(), static_cast<std::size_t>(old.size()));
    for (ForeignLines keep : {ForeignLines::All, ForeignLines::Plain, ForeignLines::None}) {
        std::vector<std::string> dropped;
        const std::string text = mergeConfText(oldText, texts, backup, keep, &dropped);
        auto reason = writeFileAtomically(path, text, LinkPolicy::Replace, check);
        if (reason == kReadsBack) {
            continue;
        }
        if (!reason) {
            for (const std::string& line : dropped) {
                std::fprintf(stderr,
                             "quarnel: %s: dropped a line that changed the settings "
                             "read back: %s\n",
                             qPrintable(QDir::toNativeSeparators(path)),
                             qPrintable(displayText(line)));
            }
        }
        return reason;
    }
    return kReadsBack;
}

SaveOutcome settingsFailed(QString message, QString reason) {
    return {SaveOutcome::Status::SettingsFailed, {std::move(message), std::move(reason)}};
}

// The native store's message: the key could not be created when the store did
// not exist yet, otherwise the first value could not be set.
QString nativeFailureMessage(bool storeExisted) {
    if (!storeExisted) {
        return messages::failedToCreateKey(
            nativeKeyName() + QLatin1Char('\\') +
            QString::fromLatin1(kSettingKeys[0].section.data(),
                                static_cast<qsizetype>(kSettingKeys[0].section.size())));
    }
    return messages::failedToSetData(QString::fromLatin1(
        kSettingKeys[0].key.data(), static_cast<qsizetype>(kSettingKeys[0].key.size())));
}

// Reads the file at read.path into read.bytes. False when there is no such
// file, or when it cannot be read (read.problem then says why).
bool readBytes(BackupRead& read) {
    if (!QFileInfo::exists(read.path)) {
        return false;
    }
    auto content = readWholeFile(read.path);
    if (auto* reason = std::get_if<QString>(&content)) {
        read.problem = *reason;
        return false;
    }
    read.bytes = std::get<QByteArray>(std::move(content));
    return true;
}

} // namespace

SettingsStore::SettingsStore(const QString& programPath)
    : iniPath_(iniPathFor(programPath)), kind_(chooseStore(programPath)) {}

void SettingsStore::toggle() {
    kind_ = kind_ == StoreKind::IniFile ? StoreKind::Native : StoreKind::IniFile;
}

QString SettingsStore::backupFilePath() {
    return QDir::current().absoluteFilePath(backupFileName());
}

TextsRead SettingsStore::readTexts() const {
    TextsRead read;
    if (kind_ == StoreKind::IniFile) {
        read.texts = readSettingsFile(iniPath_, QSettings::IniFormat, &read.notes);
    } else {
        read.texts = readSettingsFile(nativeSettingsPath(), QSettings::NativeFormat, &read.notes);
    }
    return read;
}

QStringList SettingsStore::linkNotes() const {
    QStringList notes;
    const QStringList paths = kind_ == StoreKind::IniFile ? QStringList{iniPath_, backupFilePath()}
                                                          : QStringList{nativeSettingsPath()};
    for (const QString& path : paths) {
        if (auto target = linkTarget(path)) {
            notes.append(QStringLiteral("%1 is a link to %2. The next close replaces the link "
                                        "with a file and leaves %2 unchanged.")
                             .arg(QDir::toNativeSeparators(path), *target));
        }
    }
    return notes;
}

BackupRead SettingsStore::readBackup() const {
    BackupRead read;
    if (kind_ == StoreKind::Native) {
        read.location =
            QStringLiteral("%1\\%2").arg(nativeKeyName(), QString::fromLatin1(kBackupGroup));
#ifndef Q_OS_WIN
        // Reading a large backup value by value through QSettings is slow;
        // the file is read once and its backup section directly.
        read.path = nativeSettingsPath();
        if (!readBytes(read)) {
            return read;
        }
        read.entries = readNativeBackup(read.path, read.bytes);
#else
        read.entries = readBackupGroup(*openNativeSettings());
#endif
        return read;
    }
    read.path = backupFilePath();
    read.location = QDir::toNativeSeparators(read.path);
    if (!readBytes(read)) {
        return read;
    }
    const std::string_view text(read.bytes.constData(),
                                static_cast<std::size_t>(read.bytes.size()));
    read.entries = backupFileEntries(text);
    const auto lines = splitLines(text.substr(0, std::min<std::size_t>(text.size(), 64)));
    if (!lines.empty()) {
        read.base = baseFromStackFileLine(lines[0]);
    }
    return read;
}

SaveOutcome SettingsStore::write(const SettingTexts& texts, const BackupContent& backup,
                                 BackupFailure onBackupFailure) const {
    if (kind_ == StoreKind::IniFile) {
        return writeIni(texts, backup, onBackupFailure);
    }
    return writeNative(texts, backup.entries);
}

SaveOutcome SettingsStore::writeIni(const SettingTexts& texts, const BackupContent& backup,
                                    BackupFailure onBackupFailure) const {
    const QString backupPath = backupFilePath();
    const auto backupError = writeFileAtomically(
        backupPath, encodeStackFile(backup.base, backup.wordSize, backup.entries));
    if (backupError && onBackupFailure == BackupFailure::Stop) {
        return {SaveOutcome::Status::BackupFailed,
                {QStringLiteral("The stack could not be backed up to %1.")
                     .arg(QDir::toNativeSeparators(backupPath)),
                 *backupError}};
    }

    if (auto reason = writeSettingsFile(iniPath_, texts, nullptr)) {
        return settingsFailed(messages::unableToWriteTo(iniPath_), *reason);
    }
    return {};
}

SaveOutcome SettingsStore::writeNative(const SettingTexts& texts,
                                       const std::vector<std::string_view>& backup) const {
#ifndef Q_OS_WIN
    // The per-user store is a text file here: written in one piece.
    const QString path = nativeSettingsPath();
    const bool existed = QFileInfo::exists(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (auto reason = writeSettingsFile(path, texts, &backup)) {
        return settingsFailed(nativeFailureMessage(existed), *reason);
    }
    return {};
#else
    auto settings = openNativeSettings();
    const bool storeExisted = nativeStoreExists();
    writeSettingTexts(*settings, texts);
    writeBackupGroup(*settings, backup);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        return settingsFailed(nativeFailureMessage(storeExisted), settings->fileName());
    }
    return {};
#endif
}

} // namespace quarnel::storage
