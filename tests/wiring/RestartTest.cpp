// The window remembers its state across a close and a new start, in both
// stores, through the real load and save hooks.

#include "WiringFixture.h"

#include <QAction>
#include <QApplication>
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

void PrintTo(const Remembered& r, std::ostream* os) {
    *os << "base " << static_cast<int>(r.base) << ", word size " << r.wordSize << ", stack [";
    for (const std::string& e : r.stack)
        *os << e << ' ';
    *os << "], input '" << r.input << "', view " << r.stackView << ", numbering " << r.numbering
        << ", max " << r.maxDepth << ", on top " << r.onTop << ", at " << r.pos.x() << ','
        << r.pos.y() << ", colours " << std::hex << r.background << ' ' << r.stackColour << ' '
        << r.fontColour << std::dec << ", registry " << r.inRegistry << ", line '"
        << r.inputLine.toStdString() << "', memo " << r.numberMemoShown << ", view box "
        << r.stackMemoShown << ", checks " << r.numberingChecked << r.onTopChecked << ", display "
        << r.display.join(QLatin1Char('|')).toStdString();
}

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

void PrintTo(const RestartCase& c, std::ostream* os) {
    *os << c.name;
}

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
    {"NativeStoreTwelveEntries", true, "40", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C"}, nullptr, "DecButton", "", false, std::nullopt, QColor(0, 0, 0), QColor(0, 255, 0), false, QPoint(10, 20), false},
    {"StackViewInBinary", false, "8", {"FF", "80"}, nullptr, "BinButton", "101", false, std::nullopt, std::nullopt, std::nullopt, false, QPoint(200, 150), true},
    {"NativeStoreOnTopViewNoNumbering", true, nullptr, {"DEADBEEF"}, "5", nullptr, nullptr, true, QColor(10, 20, 30), std::nullopt, std::nullopt, true, QPoint(30, 40), true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Stores, RestartTest, ::testing::ValuesIn(kRestartCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the first run and what a close writes -------------------------------------

class FirstRunTest : public WiringTest {};

TEST_F(FirstRunTest, StartsFromTheInitialStateAndTheCloseWritesEveryKey) {
    start();
    EXPECT_EQ(window().pos(), QPoint(50, 50));
    EXPECT_TRUE(window().action(Command::StoreInIniFile)->isChecked());
    EXPECT_FALSE(window().action(Command::StoreInRegistry)->isChecked());
    EXPECT_TRUE(calc().stack().empty());
    EXPECT_EQ(calc().wordSize(), 64);
    const QSize frame = window().frameGeometry().size();
    ASSERT_TRUE(closeWindow());

    QSettings ini(iniPath(), QSettings::IniFormat);
    const std::pair<const char*, QString> expected[] = {
        {"Position/Left", "50"},
        {"Position/Top", "50"},
        {"Dimensions/Height", QString::number(frame.height())},
        {"Dimensions/Width", QString::number(frame.width())},
        {"Color/BackGround", "clBtnFace"},
        {"Color/Stack", "clWindow"},
        {"Color/Font", "clWindowText"},
        {"RPNScreen/StackNumbering", "1"},
        {"RPNScreen/StayonTop", "0"},
        {"Modes/Base", "1"},
        {"Modes/WordSize", "64"},
        {"RPNScreen/CalculatorMode", "0"},
        {"RPNScreen/InputArgument", ""},
        {"RPNScreen/MaxStackDepth", "0"},
    };
    EXPECT_EQ(ini.allKeys().size(), static_cast<qsizetype>(std::size(expected)));
    for (const auto& [key, text] : expected) {
        EXPECT_TRUE(ini.contains(QString::fromLatin1(key))) << key;
        EXPECT_EQ(ini.value(QString::fromLatin1(key)).toString(), text) << key;
    }
    EXPECT_EQ(readWhole(backupPath()), QByteArray("1\r\n64\r\n"));
}

// --- colours: kept by name while unchanged, RGB once the user picks one ---------

struct SavedColourCase {
    const char* name;
    Command command;
    QColor chosen;
    const char* key;
    const char* text;
};

void PrintTo(const SavedColourCase& c, std::ostream* os) {
    *os << c.name;
}

class SavedColourTest : public WiringTest, public ::testing::WithParamInterface<SavedColourCase> {};

TEST_P(SavedColourTest, ChosenColourIsSavedAndTheOthersKeepTheirNames) {
    const SavedColourCase& c = GetParam();
    start();
    dialogs().expectColor(c.chosen);
    choose(c.command);
    ASSERT_TRUE(closeWindow());

    QSettings ini(iniPath(), QSettings::IniFormat);
    const QString defaults[][2] = {{"Color/BackGround", "clBtnFace"},
                                   {"Color/Stack", "clWindow"},
                                   {"Color/Font", "clWindowText"}};
    for (const auto& [key, name] : defaults) {
        const QString want = key == QLatin1String(c.key) ? QString::fromLatin1(c.text) : name;
        EXPECT_EQ(ini.value(key).toString(), want) << key.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, SavedColourTest,
    ::testing::Values(
        SavedColourCase{"BackgroundRgb", Command::ColorBackground, QColor(0, 128, 255),
                        "Color/BackGround", "$00ff8000"},
        SavedColourCase{"BackgroundNamed", Command::ColorBackground, QColor(128, 128, 0),
                        "Color/BackGround", "clOlive"},
        SavedColourCase{"StackWhite", Command::ColorStack, QColor(255, 255, 255), "Color/Stack",
                        "clWhite"},
        SavedColourCase{"FontRed", Command::ColorFont, QColor(255, 0, 0), "Color/Font", "clRed"},
        SavedColourCase{"FontRgb", Command::ColorFont, QColor(1, 2, 3), "Color/Font", "$00030201"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LoadedColourCase {
    const char* name;
    const char* stored;                                // the Color/Stack text
    std::optional<QColor> shown;                       // empty: the start colour stays
    const char* savedAgain;                            // what an untouched close writes back
    QPalette::ColorRole systemRole = QPalette::NoRole; // a system colour shows as this
};

void PrintTo(const LoadedColourCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadedColourTest : public WiringTest,
                         public ::testing::WithParamInterface<LoadedColourCase> {};

TEST_P(LoadedColourTest, StoredTextColoursTheFourTextBoxesAndComesBackUnchanged) {
    const LoadedColourCase& c = GetParam();
    start();
    const QColor startColour = window().stackColor();
    ASSERT_TRUE(closeWindow());
    QSettings(iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Color/Stack"), QString::fromLatin1(c.stored));

    start();
    const QColor want = c.systemRole != QPalette::NoRole
                            ? QApplication::palette().color(c.systemRole)
                            : c.shown.value_or(startColour);
    for (const char* box : {"InputEdit", "StackMemo", "NumberMemo", "RPNScreen"}) {
        auto* widget = window().findChild<QWidget*>(QString::fromLatin1(box));
        ASSERT_NE(widget, nullptr) << box;
        EXPECT_EQ(widget->palette().color(QPalette::Base).rgb(), want.rgb()) << box;
    }
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(
        QSettings(iniPath(), QSettings::IniFormat).value(QStringLiteral("Color/Stack")).toString(),
        QString::fromLatin1(c.savedAgain));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, LoadedColourTest,
    ::testing::Values(LoadedColourCase{"Name", "clRed", QColor(255, 0, 0), "clRed"},
                      LoadedColourCase{"NameAnyCase", "CLRED", QColor(255, 0, 0), "clRed"},
                      LoadedColourCase{"DollarHex", "$000000ff", QColor(255, 0, 0), "clRed"},
                      LoadedColourCase{"ShortHex", "$ff", QColor(255, 0, 0), "clRed"},
                      LoadedColourCase{"RgbKeepsItsValue", "$00123456", QColor(0x56, 0x34, 0x12),
                                       "$00123456"},
                      LoadedColourCase{"SystemColourKeepsItsName", "clInfoBk", std::nullopt,
                                       "clInfoBk", QPalette::ToolTipBase},
                      LoadedColourCase{"NothingLeavesIt", "Nothing", std::nullopt, "clWindow"},
                      LoadedColourCase{"EmptyLeavesIt", "", std::nullopt, "clWindow"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the place of the window ------------------------------------------------------

struct PlaceCase {
    const char* name;
    const char* left;
    const char* top;
    QPoint expected;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class PlaceTest : public WiringTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceTest, StoredPlaceIsWhereTheWindowOpens) {
    const PlaceCase& c = GetParam();
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Position/Left"), QString::fromLatin1(c.left));
        ini.setValue(QStringLiteral("Position/Top"), QString::fromLatin1(c.top));
    }
    start();
    EXPECT_EQ(window().pos(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceTest,
                         ::testing::Values(PlaceCase{"Decimal", "130", "70", QPoint(130, 70)},
                                           PlaceCase{"Hex", "0x20", "$10", QPoint(32, 16)},
                                           PlaceCase{"NotANumber", "abc", "60", QPoint(50, 60)},
                                           // A place no screen shows any more: back to the default.
                                           PlaceCase{"OffEveryScreen", "50000", "40000",
                                                     QPoint(50, 50)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
