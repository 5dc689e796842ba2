#pragma once

#include <QDir>
#include <QString>

namespace quarnel::storage::messages {

// The error texts of the settings store and the stack files, word for word.

inline QString unableToWriteTo(const QString& path) {
    return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
}
inline QString failedToCreateKey(const QString& key) {
    return QStringLiteral("Failed to create key %1").arg(key);
}
inline QString failedToSetData(const QString& valueName) {
    return QStringLiteral("Failed to set data for '%1'").arg(valueName);
}
inline QString cannotOpenFile(const QString& path) {
    return QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path));
}
inline QString cannotCreateFile(const QString& path) {
    return QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path));
}
inline QString listIndexOutOfBounds() {
    return QStringLiteral("List index out of bounds");
}
inline QString notAValidInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
// A stack file entry that is no number in the file's base.
inline QString invalidEntry(const QString& path, qsizetype line, const QString& text,
                            const QString& baseWord) {
    return QStringLiteral("Line %1 of %2: '%3' is not a valid %4 number!")
        .arg(line)
        .arg(QDir::toNativeSeparators(path), text, baseWord);
}

} // namespace quarnel::storage::messages
