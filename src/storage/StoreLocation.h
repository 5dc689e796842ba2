#pragma once

#include <QString>

namespace quarnel::storage {

// Where the settings live: an INI file beside the program, or the per-user
// native store (the registry key of the current user on Windows, Qt's per-user
// settings file elsewhere).
enum class StoreKind { IniFile, Native };

inline constexpr const char* kOrganisation = "Kestrow";
inline constexpr const char* kApplication = "Quarnel";
// The native store's key as the messages name it.
inline QString nativeKeyName() {
    return QStringLiteral("Software\\Kestrow\\Quarnel");
}

// The program's path with the extension of its file name replaced by ".INI"
// (appended when the name has none).
QString iniPathFor(const QString& programPath);

// Whether the native store holds the program's key.
bool nativeStoreExists();

// The store to use at start: the INI file when it exists; otherwise the native
// store when its key exists; otherwise the INI file, unless the program's folder
// cannot take one (an installed program), in which case the native store.
StoreKind chooseStore(const QString& programPath);

} // namespace quarnel::storage
