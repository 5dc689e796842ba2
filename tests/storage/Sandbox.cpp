#include "Sandbox.h"

#include "storage/NativeSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quarnel::storage::test {

Sandbox::Sandbox() : oldCurrent_(QDir::currentPath()) {
    programDir_ = root_.filePath(QStringLiteral("program"));
    workDir_ = root_.filePath(QStringLiteral("work"));
    QDir().mkpath(programDir_);
    QDir().mkpath(workDir_);
    QDir::setCurrent(workDir_);
    clearNative();
}

Sandbox::~Sandbox() {
    QDir::setCurrent(oldCurrent_);
    clearNative();
}

QString Sandbox::nativePath() {
    return nativeSettingsPath();
}

void Sandbox::clearNative() {
    const QString folder = QFileInfo(nativePath()).absolutePath();
    const QFileInfo info(folder);
    if (info.isDir()) {
        QDir(folder).removeRecursively();
    } else if (info.exists()) {
        QFile::remove(folder);
    }
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(data);
    }
}

} // namespace quarnel::storage::test
