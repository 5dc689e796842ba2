#pragma once

#include "ScriptedDialogs.h"
#include "app/LayerWiring.h"
#include "ui/Command.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include "PdfReader.h" // also gives QString a readable form in failure messages

// A sandbox for one test: a program folder (where the INI file lies), a
// current directory of its own (where BACKUP.STK lies) and an empty per-user
// store; and the real main window wired to the real layers, started and
// closed as the program does it.
class WiringTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window, wires it, loads the saved state, shows it and lets
    // the start finish. `script` prepares the boxes expected during the start.
    quarnel::ui::MainWindow& start(const std::function<void(ScriptedDialogs&)>& script = {});
    // Asks the window to close as the user does; true when it closed (it is
    // then gone).
    bool closeWindow();
    // Drops the window without the close sequence (nothing saved).
    void discardWindow();

    quarnel::ui::MainWindow& window() { return *window_; }
    ScriptedDialogs& dialogs() { return *dialogs_; }
    // The boxes of the current window, or of the last one once it is gone.
    std::vector<ScriptedDialogs::Call> boxes() const {
        return dialogs_ ? dialogs_->calls() : lastBoxes_;
    }
    quarnel::app::LayerWiring& wiring() { return *wiring_; }
    quarnel::calculator::Calculator& calc() { return window_->calculator(); }

    QString programPath() const { return inSandbox("prog/quarnel"); }
    QString iniPath() const { return inSandbox("prog/quarnel.INI"); }
    QString workDir() const { return inSandbox("work"); }
    QString backupPath() const { return inSandbox("work/BACKUP.STK"); }
    QString nativePath() const; // the per-user store's file

    void click(const char* buttonName);
    void type(const QString& text, const char* thenClick = nullptr);
    void choose(quarnel::ui::Command command);

    QStringList displayLines() const; // the five display lines, top to bottom

  private:
    QString inSandbox(const char* name) const {
        return sandbox_->filePath(QString::fromLatin1(name));
    }
    std::unique_ptr<QTemporaryDir> sandbox_;
    QString previousDir_;
    std::unique_ptr<quarnel::ui::MainWindow> window_;
    ScriptedDialogs* dialogs_ = nullptr;
    quarnel::app::LayerWiring* wiring_ = nullptr;
    std::vector<ScriptedDialogs::Call> lastBoxes_;
};

// Reads a whole file; empty when it cannot.
QByteArray readWhole(const QString& path);
// Writes a whole file, failing the test when it cannot.
void writeWhole(const QString& path, const QByteArray& bytes);
