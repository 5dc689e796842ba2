#pragma once

#include "ScriptedDialogs.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <initializer_list>
#include <memory>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

// A shown, active main window with scripted dialogs, and helpers that work the
// real controls the way a user does.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    quarnel::ui::MainWindow& window() { return *window_; }
    quarnel::calculator::Calculator& calc() { return window_->calculator(); }
    ScriptedDialogs& dialogs() { return *dialogs_; }

    QPushButton* button(const char* objectName) const;
    QLineEdit* input() const;
    QTextEdit* display() const;
    QPlainTextEdit* stackMemo() const;
    QAction* menuItem(const char* objectName) const;

    // The five lines of the stack display, top to bottom.
    QStringList displayLines() const;
    // The bottom line (level 1).
    QString level1() const { return displayLines().value(4); }

    // Mouse clicks on the named buttons, in order.
    void click(std::initializer_list<const char*> objectNames);
    // Keys typed into the input line.
    void type(const QString& text);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Chooses a menu item as the menu does.
    void choose(const char* objectName);

  private:
    std::unique_ptr<quarnel::ui::MainWindow> window_;
    ScriptedDialogs* dialogs_ = nullptr;
};
