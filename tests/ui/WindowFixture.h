#pragma once

#include "ScriptedDialogs.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>

#include <initializer_list>
#include <memory>

// A shown, active main window with scripted dialogs, and helpers that work the
// real controls the way a user does.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    quarnel::ui::MainWindow& window() { return *window_; }
    quarnel::calculator::Calculator& calc() { return window_->calculator(); }
    ScriptedDialogs& dialogs() { return *dialogs_; }

    template <typename T> T* child(const char* name) const {
        auto* found = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QAction* menuItem(const char* name) const { return child<QAction>(name); }
    QLineEdit* input() const { return child<QLineEdit>("InputEdit"); }
    QTextEdit* display() const { return child<QTextEdit>("RPNScreen"); }
    QTextEdit* numbers() const { return child<QTextEdit>("NumberMemo"); }
    QPlainTextEdit* stackMemo() const { return child<QPlainTextEdit>("StackMemo"); }
    // The five lines of the stack display, top to bottom.
    QStringList displayLines() const;

    // Mouse clicks on the named buttons, in order.
    void click(std::initializer_list<const char*> objectNames);
    // Keys typed into the input line.
    void type(const QString& text);
    // Chooses a menu item as the menu does.
    void choose(const char* objectName);

  private:
    std::unique_ptr<quarnel::ui::MainWindow> window_;
    ScriptedDialogs* dialogs_ = nullptr;
};
