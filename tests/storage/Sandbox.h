#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace quarnel::storage::test {

// A program folder, a current directory and an empty native store for one test.
class Sandbox {
  public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString programPath() const { return programDir_ + QStringLiteral("/quarnel"); }
    QString iniPath() const { return programDir_ + QStringLiteral("/quarnel.INI"); }
    const QString& programDir() const { return programDir_; }
    const QString& workDir() const { return workDir_; }
    QString backupPath() const { return workDir_ + QStringLiteral("/BACKUP.STK"); }
    QString path(const QString& name) const { return root_.filePath(name); }

    // The per-user native settings file, and removing it (and its folder).
    static QString nativePath();
    static void clearNative();

  private:
    QTemporaryDir root_;
    QString programDir_;
    QString workDir_;
    QString oldCurrent_;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& data);

} // namespace quarnel::storage::test
