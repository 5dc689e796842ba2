#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>
#include <variant>

namespace quarnel::storage {

// What a write does with a path that is a symbolic link.
enum class LinkPolicy {
    Replace, // files the program names itself: the link is replaced by a file
    Follow,  // a file the user picked: the file it points to is replaced
};

// Looks at a written temporary file before it replaces the old one; gives the
// reason to refuse it, or nothing.
using WriteCheck = std::function<std::optional<QString>(const QString& tempPath)>;

// Writes a whole file through a temporary file in the same folder that is
// renamed onto the path only when everything is written and flushed, so a
// crash, a kill or a full disk leaves the old file whole. The rename replaces
// a link itself (LinkPolicy::Replace), so no file outside the folder is ever
// touched. Returns the system's reason on failure.
std::optional<QString> writeFileAtomically(const QString& path, std::string_view data,
                                           LinkPolicy links = LinkPolicy::Replace,
                                           const WriteCheck& check = {});

// Files larger than this are not read.
inline constexpr qint64 kMaxReadSize = qint64(1) << 30;

// Reads a whole regular file, or gives the reason it cannot. Pipes, devices,
// folders and sockets are refused without waiting on them; running out of
// memory is a reason like any other.
std::variant<QByteArray, QString> readWholeFile(const QString& path);

// Why a path that exists cannot be read as a regular file (a pipe, a device,
// a folder, a socket), without opening it; nothing for a regular file or a
// missing one.
std::optional<QString> notARegularFile(const QString& path);

// Where the path points when it is a symbolic link.
std::optional<QString> linkTarget(const QString& path);

// Keeps a copy of `data` beside `path` under the first free name of
// path + ".unread", ".unread2", ...; gives that name, or nothing on failure.
std::optional<QString> keepAside(const QString& path, const QByteArray& data);

// Whether a new file can be created in a folder (tried, not guessed from the
// permission bits, which do not bind every user).
bool canCreateFilesIn(const QString& folder);

// Shortens a text for a message: at most `limit` characters, control
// characters shown as "?".
QString displayText(std::string_view text, qsizetype limit = 60);

} // namespace quarnel::storage
