#include "storage/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace quarnel::storage {

std::optional<QString> writeFileAtomically(const QString& path, std::string_view data) {
    if (QFileInfo(path).isDir()) {
        return QStringLiteral("%1 is a folder").arg(QDir::toNativeSeparators(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const qint64 size = static_cast<qint64>(data.size());
    // commit() renames even when the buffered rest of the data failed to reach
    // the disk (a full disk, a size limit), so the flush is checked here.
    if (file.write(data.data(), size) != size || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::variant<QByteArray, QString> readWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("%1 is a folder").arg(QDir::toNativeSeparators(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    return data;
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
