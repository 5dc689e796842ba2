#include "storage/SettingsStore.h"

#include "storage/ConfText.h"
#include "storage/FileAccess.h"
#include "storage/Messages.h"
#include "storage/NativeSettings.h"
#include "storage/SettingsAccess.h"
#include "storage/StackFileFormat.h"

#include <QDir>
#include <QFileInfo>

#include <variant>

namespace quarnel::storage {

namespace {

QString backupFileName() {
    return QStringLiteral("BACKUP.STK");
}

// Why a settings file could not be written, as far as can be told afterwards.
QString writeFailureReason(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("%1 is a folder").arg(QDir::toNativeSeparators(path));
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("The folder %1 cannot be created")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    }
    return QStringLiteral("%1 cannot be written (read-only file or folder, or no space left)")
        .arg(QDir::toNativeSeparators(path));
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

} // namespace

SettingsStore::SettingsStore(const QString& programPath)
    : iniPath_(iniPathFor(programPath)), kind_(chooseStore(programPath)) {}

void SettingsStore::toggle() {
    kind_ = kind_ == StoreKind::IniFile ? StoreKind::Native : StoreKind::IniFile;
}

QString SettingsStore::backupFilePath() {
    return QDir::current().absoluteFilePath(backupFileName());
}

SettingTexts SettingsStore::readTexts() const {
    if (kind_ == StoreKind::IniFile) {
        QSettings settings(iniPath_, QSettings::IniFormat);
        return readSettingTexts(settings);
    }
    return readSettingTexts(*openNativeSettings());
}

BackupRead SettingsStore::readBackup() const {
    BackupRead read;
    if (kind_ == StoreKind::Native) {
        read.location =
            QStringLiteral("%1\\%2").arg(nativeKeyName(), QString::fromLatin1(kBackupGroup));
#ifndef Q_OS_WIN
        // Reading a large backup value by value through QSettings is slow;
        // a file as this program writes it is read directly.
        auto content = readWholeFile(nativeSettingsPath());
        if (const auto* bytes = std::get_if<QByteArray>(&content)) {
            if (auto entries = readConfBackup(std::string_view(
                    bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
                read.entries = std::move(*entries);
                return read;
            }
        }
#endif
        read.entries = readBackupGroup(*openNativeSettings());
        return read;
    }
    const QString path = backupFilePath();
    read.location = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        return read;
    }
    auto content = readWholeFile(path);
    if (auto* reason = std::get_if<QString>(&content)) {
        read.problem = *reason;
        return read;
    }
    const QByteArray& bytes = std::get<QByteArray>(content);
    read.entries = backupFileEntries(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
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

    QSettings settings(iniPath_, QSettings::IniFormat);
    writeSettingTexts(settings, texts);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return settingsFailed(messages::unableToWriteTo(iniPath_), writeFailureReason(iniPath_));
    }
    return {};
}

SaveOutcome SettingsStore::writeNative(const SettingTexts& texts,
                                       const std::vector<std::string_view>& backup) const {
#ifndef Q_OS_WIN
    // The per-user store is a text file here: write it in one piece.
    const QString path = nativeSettingsPath();
    const bool existed = QFileInfo::exists(path);
    QByteArray old;
    if (existed) {
        auto content = readWholeFile(path);
        if (auto* reason = std::get_if<QString>(&content)) {
            return settingsFailed(nativeFailureMessage(true), *reason);
        }
        old = std::get<QByteArray>(std::move(content));
    }
    if (auto merged =
            mergeConfText(std::string_view(old.constData(), static_cast<std::size_t>(old.size())),
                          texts, backup)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (auto reason = writeFileAtomically(path, *merged)) {
            return settingsFailed(nativeFailureMessage(existed), *reason);
        }
        return {};
    }
#endif
    auto settings = openNativeSettings();
    const bool storeExisted = nativeStoreExists();
    writeSettingTexts(*settings, texts);
    writeBackupGroup(*settings, backup);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        return settingsFailed(nativeFailureMessage(storeExisted),
                              writeFailureReason(settings->fileName()));
    }
    return {};
}

} // namespace quarnel::storage
