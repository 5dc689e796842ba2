#include "WindowFixture.h"

#include <QTest>

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

void WindowTest::choose(const char* objectName) {
    QAction* item = menuItem(objectName);
    ASSERT_NE(item, nullptr);
    item->trigger();
}
