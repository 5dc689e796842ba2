#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>
#include <variant>

namespace quarnel::storage {

// Writes a whole file through a temporary file in the same folder that is
// renamed over the old one only when everything is written, so a crash, a kill
// or a full disk leaves the old file whole. Returns the reason on failure.
std::optional<QString> writeFileAtomically(const QString& path, std::string_view data);

// Reads a whole file, or gives the reason it cannot.
std::variant<QByteArray, QString> readWholeFile(const QString& path);

// Whether a new file can be created in a folder (tried, not guessed from the
// permission bits, which do not bind every user).
bool canCreateFilesIn(const QString& folder);

// Shortens a text for a message: at most `limit` characters, control
// characters shown as "?".
QString displayText(std::string_view text, qsizetype limit = 60);

} // namespace quarnel::storage
