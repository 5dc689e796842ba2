#include "WiringFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>

void WiringTest::SetUp() {
    sandbox_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(sandbox_->isValid());
    QDir root(sandbox_->path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("prog")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("work")));
    previousDir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workDir()));
    // The per-user store is shared by the whole test run: start each test
    // without it.
    QDir(QFileInfo(nativePath()).absolutePath()).removeRecursively();
}

void WiringTest::TearDown() {
    discardWindow();
    QDir(QFileInfo(nativePath()).absolutePath()).removeRecursively();
    QDir::setCurrent(previousDir_);
    sandbox_.reset();
}

quarnel::ui::MainWindow& WiringTest::start(const std::function<void(ScriptedDialogs&)>& script) {
    discardWindow();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    if (script)
        script(*dialogs_);
    window_ = std::make_unique<quarnel::ui::MainWindow>(std::move(dialogs));
    wiring_ = &quarnel::app::wireLayers(*window_, programPath());
    window_->loadState();
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    return *window_;
}

bool WiringTest::closeWindow() {
    if (!window_)
        return true;
    const bool closed = window_->close();
    if (closed)
        discardWindow();
    return closed;
}

void WiringTest::discardWindow() {
    if (dialogs_) {
        EXPECT_EQ(dialogs_->unmet(), 0u) << "a box the test expected never opened";
        lastBoxes_ = dialogs_->calls();
    }
    window_.reset();
    dialogs_ = nullptr;
    wiring_ = nullptr;
}

QString WiringTest::nativePath() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kestrow"),
                     QStringLiteral("Quarnel"))
        .fileName();
}

void WiringTest::click(const char* buttonName) {
    auto* button = window_->findChild<QPushButton*>(QString::fromLatin1(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void WiringTest::type(const QString& text, const char* thenClick) {
    auto* input = window_->findChild<QLineEdit*>(QStringLiteral("InputEdit"));
    ASSERT_NE(input, nullptr);
    QTest::keyClicks(input, text);
    if (thenClick)
        click(thenClick);
}

void WiringTest::choose(quarnel::ui::Command command) {
    QAction* item = window_->action(command);
    ASSERT_NE(item, nullptr);
    item->trigger();
}

QStringList WiringTest::displayLines() const {
    auto* screen = window_->findChild<QTextEdit*>(QStringLiteral("RPNScreen"));
    return screen ? screen->toPlainText().split(QLatin1Char('\n')) : QStringList();
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}
