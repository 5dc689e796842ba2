// The window remembers its state across a close and a new start, in both
// stores, through the real load and save hooks.

#include "WiringFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>
#include <tuple>

using quarnel::ui::Command;

namespace {

// Everything a restart must bring back, as the calculator holds it and as the
// window shows it.
struct Remembered {
    quarnel::engine::NumberBase base;
    int wordSize;
    std::vector<std::string> stack;
    std::string input;
    bool stackView, numbering;
    int maxDepth;
    bool onTop;
    QPoint pos;
    QRgb background, stackColour, fontColour;
    bool inRegistry;
    QString inputLine; // and the rest as the window shows it
    bool numberMemoShown, stackMemoShown, numberingChecked, onTopChecked;
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
        auto* memo = w.findChild<QPlainTextEdit*>(QStringLiteral("StackMemo"));
        // clang-format off
        return {c.currentBase(), c.wordSize(), c.stack().toVector(), c.inputText(), c.stackViewShown(),
                c.stackNumbering(), c.maxStackDepth(), w.stayOnTop(), w.pos(), w.backgroundColor().rgb(),
                w.stackColor().rgb(), w.fontColor().rgb(), w.stateInRegistry(),
                w.findChild<QLineEdit*>(QStringLiteral("InputEdit"))->text(),
                w.findChild<QTextEdit*>(QStringLiteral("NumberMemo"))->isVisible(), memo->isVisible(),
                w.action(Command::UseStackNumbering)->isChecked(), w.action(Command::StayOnTop)->isChecked(),
                displayLines(), memo->toPlainText()};
        // clang-format on
    }
};

TEST_P(RestartTest, SecondStartShowsWhatTheFirstClosedWith) {
    const RestartCase& c = GetParam();
    start();
    const Remembered fresh = remembered();

    if (c.native)
        choose(Command::StoreInRegistry);
    if (c.wordSize)
        type(QString::fromLatin1(c.wordSize), "SetWordSizeButton");
    for (const char* entry : c.entries)
        type(QString::fromLatin1(entry), "EnterButton");
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
    for (const auto& [item, colour] : {std::pair{Command::ColorBackground, c.background},
                                       {Command::ColorStack, c.stack},
                                       {Command::ColorFont, c.font}})
        if (colour) {
            dialogs().expectColor(colour);
            choose(item);
        }
    if (c.onTop)
        choose(Command::StayOnTop);
    window().move(c.pos);
    if (c.view)
        click("ViewButton");

    const Remembered before = remembered();
    // The case really changes what it claims to, so the comparison below
    // cannot pass by both windows simply starting alike.
    EXPECT_NE(before.pos, fresh.pos);
    EXPECT_NE(before.wordSize == fresh.wordSize, c.wordSize != nullptr);
    EXPECT_EQ(
        std::tuple(before.stack.size(), before.inRegistry, before.onTop, before.stackView,
                   before.numbering, before.background == fresh.background),
        std::tuple(c.entries.size(), c.native, c.onTop, c.view, !c.numberingOff, !c.background));

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

} // namespace
