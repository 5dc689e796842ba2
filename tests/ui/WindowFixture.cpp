#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

void WindowTest::SetUp() {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    window_ = std::make_unique<quarnel::ui::MainWindow>(std::move(dialogs));
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::TearDown() {
    EXPECT_EQ(dialogs_->unmet(), 0u) << "a box the test expected never opened";
    window_.reset();
}

QPushButton* WindowTest::button(const char* objectName) const {
    auto* found = window_->findChild<QPushButton*>(QString::fromLatin1(objectName));
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

QLineEdit* WindowTest::input() const {
    return window_->findChild<QLineEdit*>(QStringLiteral("InputEdit"));
}

QTextEdit* WindowTest::display() const {
    return window_->findChild<QTextEdit*>(QStringLiteral("RPNScreen"));
}

QPlainTextEdit* WindowTest::stackMemo() const {
    return window_->findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"));
}

QAction* WindowTest::menuItem(const char* objectName) const {
    auto* found = window_->findChild<QAction*>(QString::fromLatin1(objectName));
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

QStringList WindowTest::displayLines() const {
    QStringList lines = display()->toPlainText().split(QLatin1Char('\n'));
    while (lines.size() < 5)
        lines.append(QString());
    return lines;
}

void WindowTest::click(std::initializer_list<const char*> objectNames) {
    for (const char* name : objectNames) {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
}

void WindowTest::type(const QString& text) {
    QTest::keyClicks(input(), text);
}

void WindowTest::key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(input(), k, modifiers);
}

void WindowTest::choose(const char* objectName) {
    QAction* item = menuItem(objectName);
    ASSERT_NE(item, nullptr);
    item->trigger();
}
