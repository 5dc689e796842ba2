#pragma once

#include "calculator/Calculator.h"
#include "storage/NativeSettings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace quarnel::storage::test {

// A program folder, a current directory and an empty native store for one test.
class Sandbox {
  public:
    Sandbox() : programDir_(root_.filePath("program")), workDir_(root_.filePath("work")) {
        QDir().mkpath(programDir_);
        QDir().mkpath(workDir_);
        QDir::setCurrent(workDir_);
        clearNative();
    }
    ~Sandbox() {
        QDir::setCurrent(oldCurrent_);
        clearNative();
    }
    Sandbox(const Sandbox&) = delete;

    QString programPath() const { return programDir_ + QStringLiteral("/quarnel"); }
    QString iniPath() const { return programDir_ + QStringLiteral("/quarnel.INI"); }
    QString backupPath() const { return workDir_ + QStringLiteral("/BACKUP.STK"); }
    QString path(const QString& name) const { return root_.filePath(name); }

    // The per-user native settings file, and removing it (and its folder).
    static QString nativePath() { return nativeSettingsPath(); }
    static void clearNative() {
        const QString folder = QFileInfo(nativePath()).absolutePath();
        if (!QFile::remove(folder)) // a file in its way, or the folder itself
            QDir(folder).removeRecursively();
    }

  private:
    QString oldCurrent_ = QDir::currentPath();
    QTemporaryDir root_;
    QString programDir_;
    QString workDir_;
};

// Pushes entries the way a user does: typed into the line, then ENT.
inline void push(calculator::Calculator& c, const std::vector<std::string>& entries) {
    for (const auto& e : entries) {
        c.setInputText(e);
        c.run(calculator::Command::Enter);
    }
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(data);
    }
}

} // namespace quarnel::storage::test
