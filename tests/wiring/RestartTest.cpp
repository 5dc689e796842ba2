// The window remembers its state across a close and a new start, in both
// stores, through the real load and save hooks.

#include "WiringFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTextEdit>

#include <optional>
#include <string>
#include <vector>

using quarnel::ui::Command;

namespace {

// Everything a restart must bring back, as the calculator holds it and as the
// window shows it.
struct Remembered {
    quarnel::engine::NumberBase base;
    int wordSize;
    std::vector<std::string> stack;
    std::string input;
    bool stackView;
    bool numbering;
    int maxDepth;
    bool onTop;
    QPoint pos;
    QRgb background;
    QRgb stackColour;
    QRgb fontColour;
    bool inRegistry;
    // on screen
    QString inputLine;
    bool numberMemoShown;
    bool stackMemoShown;
    bool numberingChecked;
    bool onTopChecked;
    QStringList display;
    QString listing;

    friend bool operator==(const Remembered&, const Remembered&) = default;
};

struct RestartCase {
    const char* name;
    bool native;                      // switch to the per-user store first
    const char* wordSize;             // typed (decimal), then STWS
    std::vector<const char*> entries; // typed and entered (in HEX)
    const char* maxDepth;             // typed, then Set Maximum Stack Depth
    const char* baseButton;           // then the base switched
    const char* input;                // left standing in the input line
    bool numberingOff;
    std::optional<QColor> background, stack, font;
    bool onTop;
    QPoint pos;
    bool view;
};

class RestartTest : public WiringTest, public ::testing::WithParamInterface<RestartCase> {
  protected:
    Remembered remembered() {
        auto& w = window();
        auto& c = calc();
        return {c.currentBase(),
                c.wordSize(),
                c.stack().toVector(),
                c.inputText(),
                c.stackViewShown(),
                c.stackNumbering(),
                c.maxStackDepth(),
                w.stayOnTop(),
                w.pos(),
                w.backgroundColor().rgb(),
                w.stackColor().rgb(),
                w.fontColor().rgb(),
                w.stateInRegistry(),
                w.findChild<QLineEdit*>(QStringLiteral("InputEdit"))->text(),
                w.findChild<QTextEdit*>(QStringLiteral("NumberMemo"))->isVisible(),
                w.findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"))->isVisible(),
                w.action(Command::UseStackNumbering)->isChecked(),
                w.action(Command::StayOnTop)->isChecked(),
                displayLines(),
                w.findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"))->toPlainText()};
    }

    void pickColour(Command command, const std::optional<QColor>& colour) {
        if (!colour)
            return;
        dialogs().expectColor(colour);
        choose(command);
    }
};

TEST_P(RestartTest, SecondStartShowsWhatTheFirstClosedWith) {
    const RestartCase& c = GetParam();
    start();
    const Remembered fresh = remembered();

    if (c.native)
        choose(Command::StoreInRegistry);
    if (c.wordSize) {
        type(QString::fromLatin1(c.wordSize));
        click("SetWordSizeButton");
    }
    for (const char* entry : c.entries) {
        type(QString::fromLatin1(entry));
        click("EnterButton");
    }
    if (c.maxDepth) {
        type(QString::fromLatin1(c.maxDepth));
        choose(Command::SetMaximumStackDepth);
    }
    if (c.baseButton)
        click(c.baseButton);
    if (c.input)
        type(QString::fromLatin1(c.input));
    if (c.numberingOff)
        choose(Command::UseStackNumbering);
    pickColour(Command::ColorBackground, c.background);
    pickColour(Command::ColorStack, c.stack);
    pickColour(Command::ColorFont, c.font);
    if (c.onTop)
        choose(Command::StayOnTop);
    window().move(c.pos);
    if (c.view)
        click("ViewButton");

    const Remembered before = remembered();
    // The case really changes what it claims to, so the comparison below
    // cannot pass by both windows simply starting alike.
    EXPECT_NE(before.pos, fresh.pos);
    EXPECT_EQ(before.stack.size(), c.entries.size());
    EXPECT_EQ(before.inRegistry, c.native);
    EXPECT_EQ(before.onTop, c.onTop);
    EXPECT_EQ(before.stackView, c.view);
    EXPECT_EQ(before.numbering, !c.numberingOff);
    if (c.background) {
        EXPECT_EQ(before.background, c.background->rgb());
    }
    if (c.wordSize) {
        EXPECT_NE(before.wordSize, fresh.wordSize);
    }

    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(QFile::exists(iniPath()), !c.native);
    EXPECT_EQ(QFile::exists(nativePath()), c.native);

    start();
    EXPECT_EQ(remembered(), before);
}

// clang-format off
const RestartCase kRestartCases[] = {
    {"IniFileEverythingChanged", false, "20", {"1F", "ABC", "7"}, "9", "OctButton", "17", true, QColor(0, 128, 255), QColor(255, 255, 224), QColor(128, 0, 0), true, QPoint(120, 90), false},
    {"NativeStoreTwelveEntries", true, "40", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C"}, nullptr, "DecButton", "", false, std::nullopt, QColor(0, 0, 0), QColor(0, 255, 0), true, QPoint(10, 20), true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Stores, RestartTest, ::testing::ValuesIn(kRestartCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The reading of the stored texts is the storage tests' part; a place that no
// screen shows any more is the window's, and takes it back to the default.
TEST_F(WiringTest, PlaceOffEveryScreenOpensAtTheDefault) {
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Position/Left"), QStringLiteral("50000"));
        ini.setValue(QStringLiteral("Position/Top"), QStringLiteral("40000"));
    }
    start();
    EXPECT_EQ(window().pos(), QPoint(50, 50));
}

} // namespace
