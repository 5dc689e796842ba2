#include "storage/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel::storage {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString folderReason(const QString& path) {
    return QStringLiteral("%1 is a folder").arg(QDir::toNativeSeparators(path));
}

QString kindReason(const QString& path, mode_t mode) {
    if (S_ISDIR(mode))
        return folderReason(path);
    const char* kind = S_ISFIFO(mode)                   ? "a named pipe"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "not a regular file";
    return QStringLiteral("%1 is %2, not a file")
        .arg(QDir::toNativeSeparators(path), QString::fromLatin1(kind));
}

// Writes all of `data`, or gives errno.
int writeAll(int fd, std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Creates a new file that did not exist (never through a link); -1 and errno
// on failure.
int createNew(const QByteArray& path) {
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

} // namespace

std::optional<QString> writeFileAtomically(const QString& path, std::string_view data,
                                           LinkPolicy links, const WriteCheck& check) {
    QString target = QFileInfo(path).absoluteFilePath();
    if (links == LinkPolicy::Follow) {
        // The user chose the link: its file is replaced, wherever it lies.
        for (int hops = 0; hops < 40; ++hops) {
            const QFileInfo info(target);
            if (!info.isSymLink())
                break;
            target = info.symLinkTarget();
        }
    }
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool existed = ::lstat(targetName.constData(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return folderReason(target);

    const QString folder = QFileInfo(target).absolutePath();
    const QString base = QFileInfo(target).fileName();
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = QFile::encodeName(QDir(folder).filePath(
            QStringLiteral(".%1.%2.tmp")
                .arg(base)
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        fd = createNew(tempName);
        if (fd < 0 && errno != EEXIST)
            return systemReason(errno);
    }
    if (fd < 0)
        return systemReason(EEXIST);
    // The new file keeps the permissions of the regular file it replaces.
    if (existed && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    int error = writeAll(fd, data);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    std::optional<QString> refusal;
    if (error != 0)
        refusal = systemReason(error);
    else if (check)
        refusal = check(QFile::decodeName(tempName));
    if (!refusal && ::rename(tempName.constData(), targetName.constData()) != 0)
        refusal = systemReason(errno);
    if (refusal)
        ::unlink(tempName.constData());
    return refusal;
}

std::optional<QString> notARegularFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return std::nullopt;
    return kindReason(path, st.st_mode);
}

std::variant<QByteArray, QString> readWholeFile(const QString& path) {
    // Opening without blocking and checking the opened file itself: a pipe or
    // a device named like a file is refused before anything waits on it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const QString reason =
            ::fstat(fd, &st) != 0 ? systemReason(errno) : kindReason(path, st.st_mode);
        ::close(fd);
        return reason;
    }
    QByteArray data;
    int error = 0;
    try {
        if (st.st_size > kMaxReadSize) {
            error = EFBIG;
        } else {
            data.resize(static_cast<qsizetype>(st.st_size));
            qsizetype got = 0;
            while (error == 0) {
                if (got == data.size()) {
                    // The file grew while it was read: take the rest in steps.
                    if (data.size() >= kMaxReadSize) {
                        error = EFBIG;
                        break;
                    }
                    data.resize(data.size() + 65536);
                }
                const ssize_t n =
                    ::read(fd, data.data() + got, static_cast<std::size_t>(data.size() - got));
                if (n < 0 && errno != EINTR && errno != EAGAIN)
                    error = errno;
                if (n == 0)
                    break;
                if (n > 0)
                    got += n;
            }
            data.resize(got);
        }
    } catch (const std::bad_alloc&) {
        error = ENOMEM;
    }
    ::close(fd);
    if (error != 0)
        return systemReason(error);
    return data;
}

std::optional<QString> linkTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return std::nullopt;
    return QDir::toNativeSeparators(info.symLinkTarget());
}

std::optional<QString> keepAside(const QString& path, const QByteArray& data) {
    for (int n = 1; n < 1000; ++n) {
        const QString aside =
            path + QStringLiteral(".unread") + (n == 1 ? QString() : QString::number(n));
        const int fd = createNew(QFile::encodeName(aside));
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return std::nullopt;
        }
        const int error =
            writeAll(fd, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
        const bool closed = ::close(fd) == 0;
        if (error != 0 || !closed) {
            ::unlink(QFile::encodeName(aside).constData());
            return std::nullopt;
        }
        return aside;
    }
    return std::nullopt;
}

bool canCreateFilesIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

QString displayText(std::string_view text, qsizetype limit) {
    const bool cut = static_cast<qsizetype>(text.size()) > limit;
    QString shown =
        QString::fromLatin1(text.data(), cut ? limit : static_cast<qsizetype>(text.size()));
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char('?');
        }
    }
    return cut ? shown + QStringLiteral("...") : shown;
}

} // namespace quarnel::storage
