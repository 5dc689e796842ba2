// The window as a user meets it on a desktop: a virtual X server with openbox,
// the fonts the machine really has, real pointer and key events (xdotool), and
// the title bar as the window manager reads it (xprop).

#include "app/DemoWiring.h"
#include "app/LayerWiring.h"
#include "demo/DemoScript.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>
#include <string>
#include <vector>

using quarnel::ui::Command;
using quarnel::ui::MainWindow;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void xdotool(const QStringList& arguments) {
    run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(150);
}

void pointerTo(QPoint at) {
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

// A folder of its own, and the window started in it as the program does it.
class Desktop : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server with a window manager (tests/field/under_wm.sh)";
        ASSERT_TRUE(sandbox_.isValid());
        QDir::setCurrent(sandbox_.path());
    }

    MainWindow& start() {
        window_ = std::make_unique<MainWindow>();
        window_->winId();
        quarnel::app::wireLayers(*window_, sandbox_.filePath(QStringLiteral("quarnel")));
        window_->loadState();
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::qWait(300); // the frame arrives after the window is mapped
        return *window_;
    }
    void typeEntries(const std::vector<const char*>& entries) {
        for (const char* entry : entries) {
            window_->calculator().setInputText(entry);
            window_->execute(Command::Enter);
        }
    }

    QTemporaryDir sandbox_;
    std::unique_ptr<MainWindow> window_;
};

// clang-format off
struct DisplayCase { const char* name; Command base; bool numbering; std::vector<const char*> entries; };

class DisplayFit : public Desktop, public ::testing::WithParamInterface<DisplayCase> {};
// clang-format on

// Every line reads as the display rule gives it and is drawn whole between
// the level column and the right edge of the box.
TEST_P(DisplayFit, EveryLineIsDrawnWholeRightOfTheNumbers) {
    const DisplayCase& c = GetParam();
    MainWindow& window = start();
    window.execute(c.base);
    if (window.calculator().stackNumbering() != c.numbering)
        window.execute(Command::UseStackNumbering);
    typeEntries(c.entries);
    QCoreApplication::processEvents();

    auto* screen = window.findChild<QTextEdit*>(QStringLiteral("RPNScreen"));
    const int left =
        window.findChild<QWidget*>(QStringLiteral("NumberMemo"))->geometry().right() + 1;
    const int right = screen->geometry().right() + 1 - screen->frameWidth();
    const QPoint origin = screen->viewport()->mapTo(screen->parentWidget(), QPoint(0, 0));
    const auto& expected = window.calculator().displayLines();
    QTextBlock block = screen->document()->begin();
    for (std::size_t i = 0; i < expected.size(); ++i, block = block.next()) {
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.text().toStdString(), expected[i]);
        if (block.text().isEmpty())
            continue;
        ASSERT_EQ(block.layout()->lineCount(), 1) << "line " << i;
        const QRectF drawn = block.layout()->lineAt(0).naturalTextRect().translated(
            screen->document()->documentLayout()->blockBoundingRect(block).topLeft() + origin);
        EXPECT_GE(drawn.left(), left) << "line " << i << " starts under the level column";
        EXPECT_LE(drawn.right(), right) << "line " << i << " runs past the box";
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RealFonts, DisplayFit, ::testing::Values(
    DisplayCase{"BinWithNumbers", Command::BaseBin, true, {"1000000000000000000000000000000000000000000000000000", "111111111111111111111111111111111111111111111111111111111111", "1010101010101010101010101010101010101010101010101010101"}},
    DisplayCase{"BinWithoutNumbers", Command::BaseBin, false, {"1000000000000000000000000000000000000000000000000000000000000000"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// clang-format off
struct ViewKeyCase { const char* name; Qt::Key key; };

class StackViewKeys : public Desktop, public ::testing::WithParamInterface<ViewKeyCase> {};
// clang-format on

// No key reaches a calculator command while the listing is shown; the key
// goes where the user's focus is, the listing box.
TEST_P(StackViewKeys, LeaveTheStackAndTheInputAlone) {
    MainWindow& window = start();
    typeEntries({"1", "2", "3", "4"});
    window.calculator().setInputText("5");
    window.execute(Command::View);
    QCoreApplication::processEvents();
    const auto stack = window.calculator().displayLines();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->objectName(), QStringLiteral("StackMemo"));
    QTest::keyClick(focus, GetParam().key);
    window.execute(Command::CloseStackView);
    EXPECT_EQ(window.calculator().displayLines(), stack);
    EXPECT_EQ(window.calculator().inputText(), "5");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, StackViewKeys, ::testing::Values(
    ViewKeyCase{"Escape", Qt::Key_Escape}, ViewKeyCase{"N", Qt::Key_N}, ViewKeyCase{"PageDown", Qt::Key_PageDown}, ViewKeyCase{"Delete", Qt::Key_Delete},
    ViewKeyCase{"Enter", Qt::Key_Return}, ViewKeyCase{"Digit", Qt::Key_7}, ViewKeyCase{"Backspace", Qt::Key_Backspace}, ViewKeyCase{"UndoShortcutF2", Qt::Key_F2}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// clang-format off
struct PlaceCase { const char* name; const char* left, *top; QPoint opensAt; }; // left, top: in the INI file

class WindowPlace : public Desktop, public ::testing::WithParamInterface<PlaceCase> {};
// clang-format on

// The frame opens where the settings say, or at 50,50 when its title bar
// could not be taken hold of there, and every later start opens it where the
// last one left it.
TEST_P(WindowPlace, StaysWhereItWasLeftAcrossStarts) {
    const PlaceCase& c = GetParam();
    QFile ini(sandbox_.filePath(QStringLiteral("quarnel.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[Position]\nLeft=%1\nTop=%2\n").arg(c.left, c.top).toUtf8());
    ini.close();
    for (int run = 0; run < 3; ++run) {
        const MainWindow& window = start();
        (void)QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == c.opensAt; }, 2000);
        EXPECT_EQ(window.frameGeometry().topLeft(), c.opensAt) << "start " << run;
        EXPECT_TRUE(window_->close());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, WindowPlace, ::testing::Values(
    PlaceCase{"Default", "", "", {50, 50}}, PlaceCase{"Stored", "300", "200", {300, 200}},
    PlaceCase{"TitleBarAboveTheScreen", "100", "-15", {50, 50}}, PlaceCase{"OnlyAnEdgeOnTheScreen", "1000", "100", {50, 50}},
    PlaceCase{"LargestInteger", "2147483647", "2147483647", {50, 50}}, PlaceCase{"SmallestInteger", "-2147483647", "-2147483647", {50, 50}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// clang-format off
struct PressCase { const char* name; bool onDisplay; QPoint dragBy; }; // else on the body; moved with the button down

class PressAndDrag : public Desktop, public ::testing::WithParamInterface<PressCase> {};
// clang-format on

// The body drags the window exactly as far as the pointer moved with the
// button down; the display never does; and once the button is up the window
// stays put wherever the pointer goes.
TEST_P(PressAndDrag, MovesOnlyWhileTheBodyIsHeld) {
    const PressCase& c = GetParam();
    MainWindow& window = start();
    auto* client = window.findChild<QWidget*>(QStringLiteral("ClientArea"));
    auto* screen = window.findChild<QWidget*>(QStringLiteral("RPNScreen"));
    const QPoint at = c.onDisplay ? screen->mapToGlobal(screen->rect().center())
                                  : client->mapToGlobal(QPoint(170, 114)); // no button there
    const QPoint before = window.frameGeometry().topLeft();

    pointerTo(at);
    xdotool({QString::fromLatin1(c.dragBy.isNull() ? "click" : "mousedown"), QStringLiteral("1")});
    if (!c.dragBy.isNull()) {
        pointerTo(at + c.dragBy / 2);
        pointerTo(at + c.dragBy);
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    }
    const QPoint after = before + (c.onDisplay ? QPoint() : c.dragBy);
    EXPECT_EQ(window.frameGeometry().topLeft(), after) << "after the release";

    pointerTo(at + QPoint(120, 90));
    QTest::qWait(300);
    EXPECT_EQ(window.frameGeometry().topLeft(), after) << "the window followed the free pointer";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pointer, PressAndDrag, ::testing::Values(
    PressCase{"QuickClickOnDisplay", true, {}}, PressCase{"DragOnDisplay", true, {60, 40}}, PressCase{"QuickClickOnBody", false, {}}, PressCase{"DragByBody", false, {60, 40}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// What the window manager shows: the title as the X server holds it.
QString titleBarText(const QWidget& window) {
    const QString out =
        run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                      QStringLiteral("_NET_WM_NAME")});
    const qsizetype open = out.indexOf(QLatin1Char('"'));
    return open < 0 ? out : out.mid(open + 1, out.lastIndexOf(QLatin1Char('"')) - open - 1);
}

TEST_F(Desktop, TheTitleBarShowsEveryDemoCaptionAsWritten) {
    MainWindow& window = start();
    quarnel::app::WindowDemoHost host(window);
    for (const quarnel::demo::DemoStep& step : quarnel::demo::demoScript()) {
        const QString caption =
            QString::fromUtf8(step.caption.data(), static_cast<qsizetype>(step.caption.size()));
        host.setCaption(caption);
        QTest::qWait(50);
        EXPECT_EQ(titleBarText(window), caption);
    }
}

} // namespace
