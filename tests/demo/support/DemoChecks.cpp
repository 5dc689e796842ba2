#include "DemoChecks.h"

#include "RecordingDemoHost.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quarnel::demo::test {

namespace {

using calculator::Calculator;
using engine::NumberBase;
using Kind = DemoEvent::Kind;
using Stack = std::vector<std::string>;

// The script's captions as the demo shows them, in order.
const QStringList kCaptions = {
    "Demo",
    "Clear stack and input (if not empty) ->[CLR]",
    "Set binary base to decimal ->[DEC]",
    "Set stack depth to unlimited ->Options/Set Maximum Stack Depth",
    "Set the wordsize to 64 ->[STWS]",
    "Enter a binary number in the input...",
    "Put it on the stack ->[ENT]",
    "Add the same argument to the stack ->[DUP]",
    "Shift the left bit of the argument ->[SL]",
    "Calculate the binary OR of the two arguments ->[OR]",
    "Re-use the two original arguments ->Edit/Undo Last",
    "Convert arguments to octal ->[OCT]",
    "Swap arguments on stack ->[SWAP]",
    "Multiply two arguments ->[*]",
    "Convert argument to binary ->[BIN]",
    "View the argument in StackView mode ->[VIEW]",
    "Go back to Calculator mode ->File/Close StackView",
    "Generate an error (too few arguments)...",
    "Multiply two arguments ->[*]",
    "Clear the error ->[CLR]",
    "Enter a binary number in the input...",
    "Put it on the stack ->[ENT]",
    "Add two more copies to the stack ->[ENT] [ENT]",
    "Drop the last one ->[DROP]",
    "Rotate the left byte of the argument ->[RLB]",
    "Rotate last 3 arguments on the stack ->Stack/Rotate",
};

// Every button press of the script with the pause that follows its release.
struct ExpectedPress {
    const char* button;
    int pauseAfterMs;
};

const std::vector<ExpectedPress> kPresses = {
    {"ClearButton", 4000},                                                    // 2
    {"DecButton", 4000},                                                      // 3
    {"NilButton", 4000},                                                      // 4
    {"SixButton", 100},          {"FourButton", 4000},                        // 5
    {"SetWordSizeButton", 4000},                                              //
    {"OneButton", 100},          {"TwoButton", 100},    {"ThreeButton", 100}, // 6
    {"FourButton", 100},         {"FiveButton", 100},   {"SixButton", 100},   //
    {"SevenButton", 100},        {"EightButton", 100},  {"NineButton", 4000}, //
    {"EnterButton", 4000},                                                    // 7
    {"DuplicateButton", 4000},                                                // 8
    {"SLButton", 4000},                                                       // 9
    {"OrButton", 4000},                                                       // 10
    {"OctButton", 4000},                                                      // 12
    {"SwapButton", 4000},                                                     // 13
    {"MultiplyButton", 4000},                                                 // 14
    {"BinButton", 4000},                                                      // 15
    {"ViewButton", 4000},                                                     // 16
    {"MultiplyButton", 4000},                                                 // 19
    {"ClearButton", 4000},                                                    // 20
    {"OneButton", 100},          {"NilButton", 100},    {"NilButton", 100},   // 21
    {"OneButton", 100},          {"NilButton", 100},    {"OneButton", 100},   //
    {"OneButton", 100},          {"OneButton", 100},    {"NilButton", 100},   //
    {"OneButton", 4000},                                                      //
    {"EnterButton", 4000},                                                    // 22
    {"EnterButton", 100},        {"EnterButton", 4000},                       // 23
    {"DropButton", 4000},                                                     // 24
    {"RLBButton", 4000},                                                      // 25
};

// Commands run directly, with the pause that follows each (the first leaves
// StackView before the script, the last is the closing CLR, after which
// nothing of the demo waits).
const std::vector<std::pair<DemoCommand, qint64>> kCommands = {
    {DemoCommand::CloseStackView, 0}, {DemoCommand::SetMaximumStackDepth, 4000},
    {DemoCommand::UndoLast, 4000},    {DemoCommand::CloseStackView, 4000},
    {DemoCommand::Rotate, 2000},      {DemoCommand::Clear, -1},
};

const DemoMenuState kLocked{false, false, false, false, false, false, true};

QString confirmationFor(const QString& caption) {
    return QStringList{
        "If you press the OK button the demo starts.",
        "This demo takes about 4 minutes and can be started at any time.",
        "If the current stack contains valuable data for you, press Cancel and save it first.",
        "This demo is self-running (by small creatures inside your PC).",
        "There's no user interaction needed.",
        "The window's caption explains what's happening.",
        "In other words, sit back, relax and watch this calculator doing it all himself.",
        "When the caption of the window reads " + caption + " the demo is finished.",
        "Then it's your turn to do the work...",
    }
        .join(QLatin1Char('\n'));
}

// A value written in a base as the calculator shows it.
std::string text(std::uint64_t value, int radix) {
    if (value == 0)
        return "0";
    std::string digits;
    for (; value != 0; value /= static_cast<std::uint64_t>(radix))
        digits.insert(digits.begin(),
                      "0123456789ABCDEF"[value % static_cast<std::uint64_t>(radix)]);
    return digits;
}

std::uint64_t rotateLeft(std::uint64_t v, int n) {
    return (v << n) | (v >> (64 - n));
}

// What the window looks like at one moment.
struct Snapshot {
    Stack stack;
    std::string input;
    bool error = false;
    NumberBase base = NumberBase::Hex;
    int wordSize = 0;
    int maxDepth = -1;
    bool stackView = false;
    Stack listing;
    std::vector<std::string> display;
    DemoMenuState menus;
    bool stayOnTop = false;
};

Snapshot snapshot(DemoTarget& t) {
    Calculator& c = t.calculator();
    return {c.stack().toVector(),
            c.inputText(),
            c.errorPending(),
            c.currentBase(),
            c.wordSize(),
            c.maxStackDepth(),
            c.stackViewShown(),
            c.listing(),
            std::vector<std::string>(c.displayLines().begin(), c.displayLines().end()),
            t.menus(),
            t.stayOnTop()};
}

bool displays(const Snapshot& s, const std::string& line) {
    return std::find(s.display.begin(), s.display.end(), line) != s.display.end();
}

// The menus as they should be after the demo: File and Help enabled, Edit,
// Stack and Options as the current mode has them, Run Demo back.
DemoMenuState unlockedFor(DemoTarget& t) {
    const calculator::MenuStates mode = t.calculator().menuStates();
    return {true, mode.edit, mode.stack, mode.options, true, true, false};
}

// Puts the recorder and the virtual clock between the window's runner and the
// window for the life of a check.
struct Session {
    explicit Session(DemoTarget& t) : target(t), recorder(t.demoHost(), clock) {
        t.demoRunner().setHost(recorder);
        t.demoRunner().setClock(&clock);
    }
    ~Session() {
        target.demoRunner().setHost(target.demoHost());
        target.demoRunner().setClock(nullptr);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    DemoTarget& target;
    FakeDemoClock clock;
    RecordingDemoHost recorder;
};

// The positions of the events of one kind.
std::vector<std::size_t> indicesOf(const std::vector<DemoEvent>& events, Kind kind) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i].kind == kind)
            at.push_back(i);
    return at;
}

std::vector<DemoEvent> ofKind(const std::vector<DemoEvent>& events, Kind kind) {
    std::vector<DemoEvent> result;
    for (std::size_t i : indicesOf(events, kind))
        result.push_back(events[i]);
    return result;
}

// The time from event i to the next one; -1 for the last.
qint64 gapAfter(const std::vector<DemoEvent>& events, std::size_t i) {
    return i + 1 < events.size() ? events[i + 1].atMs - events[i].atMs : -1;
}

} // namespace

void checkWholeDemo(DemoTarget& target) {
    Calculator& calc = target.calculator();
    ASSERT_FALSE(calc.errorPending()) << "the walk-through assumes no error stands at the start";
    const QString savedCaption = target.caption();
    const DemoMenuState menusBefore = target.menus();
    const bool onTopBefore = target.stayOnTop();

    Session session(target);
    std::map<int, Snapshot> atCaption; // after the nth caption appeared
    std::optional<Snapshot> beforeClosingClear;
    int captions = 0;
    session.recorder.setAfterEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Caption)
            atCaption[++captions] = snapshot(target);
    });
    session.recorder.setBeforeEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Command && e.command == DemoCommand::Clear)
            beforeClosingClear = snapshot(target);
    });

    target.answerNextConfirmation(true);
    target.chooseRunDemo();
    const std::vector<DemoEvent>& events = session.recorder.events();

    // Captions: the script's, then the one the window had.
    QStringList shown;
    for (const DemoEvent& e : ofKind(events, Kind::Caption))
        shown.append(e.text);
    ASSERT_EQ(shown.size(), kCaptions.size() + 1);
    EXPECT_EQ(shown.mid(0, kCaptions.size()), kCaptions);
    EXPECT_EQ(shown.back(), savedCaption);
    EXPECT_EQ(target.caption(), savedCaption);

    // Each caption stands 4 s before anything else happens.
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind == Kind::Caption && events[i].text != savedCaption) {
            EXPECT_EQ(gapAfter(events, i), 4000)
                << "after caption " << events[i].text.toStdString();
        }
    }

    // Presses: the buttons in order, each down for 100 ms, then the pause.
    const std::vector<std::size_t> pressAt = indicesOf(events, Kind::Press);
    ASSERT_EQ(pressAt.size(), kPresses.size());
    for (std::size_t p = 0; p < pressAt.size(); ++p) {
        const std::size_t i = pressAt[p];
        SCOPED_TRACE("press " + std::to_string(p + 1) + " " + kPresses[p].button);
        EXPECT_EQ(events[i].text, QString::fromLatin1(kPresses[p].button));
        ASSERT_LT(i + 1, events.size());
        EXPECT_EQ(events[i + 1].kind, Kind::Release);
        EXPECT_EQ(events[i + 1].text, events[i].text);
        EXPECT_EQ(gapAfter(events, i), 100) << "held down";
        EXPECT_EQ(gapAfter(events, i + 1), kPresses[p].pauseAfterMs) << "pause after release";
    }

    // Commands run directly, each followed by its pause before the next
    // thing that is not a menu change.
    const std::vector<std::size_t> commandAt = indicesOf(events, Kind::Command);
    ASSERT_EQ(commandAt.size(), kCommands.size());
    for (std::size_t k = 0; k < commandAt.size(); ++k) {
        SCOPED_TRACE("command " + std::to_string(k + 1));
        EXPECT_EQ(events[commandAt[k]].command, kCommands[k].first);
        std::size_t next = commandAt[k] + 1;
        while (next < events.size() &&
               (events[next].kind == Kind::MainMenus || events[next].kind == Kind::DemoMenus))
            ++next;
        const qint64 pause =
            next < events.size() ? events[next].atMs - events[commandAt[k]].atMs : -1;
        if (kCommands[k].second >= 0) {
            EXPECT_EQ(pause, kCommands[k].second);
        }
    }
    // Close StackView in step 17 unlocks menus, which are locked again at once.
    ASSERT_LT(commandAt[3] + 1, events.size());
    EXPECT_EQ(events[commandAt[3] + 1].kind, Kind::MainMenus);
    EXPECT_FALSE(events[commandAt[3] + 1].flag);
    EXPECT_EQ(events[commandAt[3] + 1].atMs, events[commandAt[3]].atMs);

    // About four minutes from the first caption to the last.
    const qint64 length = ofKind(events, Kind::Caption).back().atMs - events.front().atMs;
    EXPECT_GE(length, 180000);
    EXPECT_LE(length, 270000);

    // Menus locked from before the first caption to the end.
    for (const auto& [n, s] : atCaption) {
        if (n <= kCaptions.size()) {
            EXPECT_EQ(s.menus, kLocked) << "at caption " << n;
        }
    }

    // The calculator through the script.
    const std::uint64_t a = 123456789, b = a * 2, p = b * a;
    const std::uint64_t x = 0b1001011101, r = rotateLeft(x, 8);
    ASSERT_EQ(atCaption.size(), static_cast<std::size_t>(kCaptions.size() + 1));
    EXPECT_EQ(atCaption[3].stack, Stack{});
    EXPECT_EQ(atCaption[3].input, "");
    EXPECT_EQ(atCaption[4].base, NumberBase::Dec);
    EXPECT_EQ(atCaption[5].maxDepth, 0);
    EXPECT_EQ(atCaption[6].wordSize, 64);
    EXPECT_EQ(atCaption[6].input, "");
    EXPECT_EQ(atCaption[7].input, "123456789");
    EXPECT_EQ(atCaption[8].stack, Stack{text(a, 10)});
    EXPECT_EQ(atCaption[9].stack, (Stack{text(a, 10), text(a, 10)}));
    EXPECT_EQ(atCaption[10].stack, (Stack{text(a, 10), text(b, 10)}));
    EXPECT_EQ(atCaption[11].stack, Stack{text(a | b, 10)});
    EXPECT_EQ(atCaption[12].stack, (Stack{text(a, 10), text(b, 10)}));
    EXPECT_EQ(atCaption[13].stack, (Stack{text(a, 8), text(b, 8)}));
    EXPECT_EQ(atCaption[13].base, NumberBase::Oct);
    EXPECT_EQ(atCaption[14].stack, (Stack{text(b, 8), text(a, 8)}));
    EXPECT_EQ(atCaption[15].stack, Stack{text(p, 8)});
    EXPECT_EQ(atCaption[16].stack, Stack{text(p, 2)});
    EXPECT_EQ(atCaption[16].base, NumberBase::Bin);
    EXPECT_TRUE(atCaption[17].stackView);
    EXPECT_EQ(atCaption[17].listing, Stack{(calc.stackNumbering() ? "1: " : "") + text(p, 2)});
    EXPECT_FALSE(atCaption[18].stackView);
    EXPECT_FALSE(atCaption[19].error);
    // Step 19 multiplies with one value on the stack.
    EXPECT_TRUE(atCaption[20].error);
    EXPECT_TRUE(displays(atCaption[20], "Error: Too few arguments"));
    EXPECT_EQ(atCaption[20].stack, Stack{text(p, 2)});
    // Step 20 clears only the error.
    EXPECT_FALSE(atCaption[21].error);
    EXPECT_FALSE(displays(atCaption[21], "Error: Too few arguments"));
    EXPECT_EQ(atCaption[21].stack, Stack{text(p, 2)});
    EXPECT_EQ(atCaption[22].input, "1001011101");
    EXPECT_EQ(atCaption[23].stack, (Stack{text(p, 2), text(x, 2)}));
    EXPECT_EQ(atCaption[24].stack, (Stack{text(p, 2), text(x, 2), text(x, 2), text(x, 2)}));
    EXPECT_EQ(atCaption[25].stack, (Stack{text(p, 2), text(x, 2), text(x, 2)}));
    EXPECT_EQ(atCaption[26].stack, (Stack{text(p, 2), text(x, 2), text(r, 2)}));

    // After step 26, before the closing CLR.
    const Stack afterScript{text(x, 2), text(r, 2), text(p, 2)};
    ASSERT_TRUE(beforeClosingClear.has_value());
    EXPECT_EQ(beforeClosingClear->stack, afterScript);

    // The window given back, the stack cleared, and Undo Last brings it back.
    EXPECT_EQ(calc.stack().toVector(), Stack{});
    EXPECT_EQ(calc.inputText(), "");
    EXPECT_FALSE(calc.errorPending());
    EXPECT_EQ(target.menus(), menusBefore);
    EXPECT_EQ(target.stayOnTop(), onTopBefore);
    EXPECT_FALSE(target.demoRunner().isRunning());
    EXPECT_FALSE(target.demoRunner().quitRequested());
    calc.undoLast();
    EXPECT_EQ(calc.stack().toVector(), afterScript);
}

void checkQuit(DemoTarget& target, const QuitPoint& point) {
    Calculator& calc = target.calculator();
    const QString savedCaption = target.caption();
    Session session(target);

    std::optional<std::size_t> quitIndex; // events recorded when the quit came
    qint64 quitAt = -1;
    QString heldButton;
    bool closeAccepted = false;
    const auto stop = [&] {
        if (quitIndex)
            return;
        quitIndex = session.recorder.events().size();
        quitAt = session.clock.now();
        if (point.way == QuitPoint::Way::QuitDemo)
            target.chooseQuitDemo();
        else
            closeAccepted = target.requestClose();
    };

    int presses = 0;
    int captions = 0;
    session.recorder.setAfterEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Press && e.text == QLatin1String(point.button) &&
            point.when == QuitPoint::When::WhilePressed && ++presses == point.nth)
            stop();
        if (e.kind == Kind::Caption && point.when == QuitPoint::When::OnCaption &&
            ++captions == point.nth)
            stop();
    });
    std::optional<Snapshot> beforeClear;
    session.recorder.setBeforeEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Command && e.command == DemoCommand::Clear)
            beforeClear = snapshot(target);
    });
    if (point.when == QuitPoint::When::AtTime)
        session.clock.at(point.timeMs, stop);

    target.answerNextConfirmation(true);
    target.chooseRunDemo();

    ASSERT_TRUE(quitIndex.has_value()) << "the quit point was never reached";
    const std::vector<DemoEvent>& events = session.recorder.events();
    // A button held down when the quit came goes up again first.
    const bool held = *quitIndex > 0 && events[*quitIndex - 1].kind == Kind::Press;
    if (point.when == QuitPoint::When::WhilePressed) {
        EXPECT_TRUE(held);
    }
    if (held)
        heldButton = events[*quitIndex - 1].text;
    if (point.way == QuitPoint::Way::CloseWindow) {
        EXPECT_FALSE(closeAccepted) << "the window closed while the demo ran";
    }

    // After the quit only the ending happens, at once.
    std::vector<DemoEvent> after(events.begin() + static_cast<std::ptrdiff_t>(*quitIndex),
                                 events.end());
    std::size_t i = 0;
    if (!heldButton.isEmpty()) {
        ASSERT_GE(after.size(), 1u);
        EXPECT_EQ(after[0].kind, Kind::Release) << "the held button goes up again";
        EXPECT_EQ(after[0].text, heldButton);
        i = 1;
    }
    ASSERT_EQ(after.size(), i + 4) << "only the ending may follow a quit";
    EXPECT_EQ(after[i].kind, Kind::Caption);
    EXPECT_EQ(after[i].text, savedCaption);
    EXPECT_EQ(after[i + 1].kind, Kind::MainMenus);
    EXPECT_TRUE(after[i + 1].flag);
    EXPECT_EQ(after[i + 2].kind, Kind::DemoMenus);
    EXPECT_FALSE(after[i + 2].flag);
    EXPECT_EQ(after[i + 3].kind, Kind::Command);
    EXPECT_EQ(after[i + 3].command, DemoCommand::Clear);
    for (const DemoEvent& e : after)
        EXPECT_EQ(e.atMs, quitAt) << "time passed after the quit";

    // The window given back.
    EXPECT_EQ(target.caption(), savedCaption);
    EXPECT_EQ(target.menus(), unlockedFor(target));
    EXPECT_FALSE(target.demoRunner().isRunning());
    EXPECT_FALSE(target.demoRunner().quitRequested());
    ASSERT_TRUE(beforeClear.has_value());
    if (beforeClear->error) {
        EXPECT_FALSE(calc.errorPending());
        EXPECT_EQ(calc.stack().toVector(), beforeClear->stack) << "CLR clears only the error";
        EXPECT_EQ(calc.inputText(), beforeClear->input);
    } else {
        EXPECT_EQ(calc.stack().toVector(), Stack{});
        EXPECT_EQ(calc.inputText(), "");
    }
    EXPECT_TRUE(target.demoRunner().mayClose()) << "a close after the demo goes through";
}

void checkStayOnTopSuspended(DemoTarget& target, bool startOnTop, bool accept) {
    target.setStayOnTop(startOnTop);
    Session session(target);
    std::vector<bool> onTopAtCaption;
    std::optional<bool> onTopAtQuestion;
    session.recorder.setBeforeEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Confirm)
            onTopAtQuestion = target.stayOnTop();
    });
    session.recorder.setAfterEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Caption)
            onTopAtCaption.push_back(target.stayOnTop());
    });
    target.answerNextConfirmation(accept);
    target.chooseRunDemo();

    const std::vector<DemoEvent> toggles = ofKind(session.recorder.events(), Kind::ToggleOnTop);
    const std::vector<DemoEvent>& events = session.recorder.events();
    ASSERT_TRUE(onTopAtQuestion.has_value());
    EXPECT_FALSE(*onTopAtQuestion);
    for (const bool onTop : onTopAtCaption)
        EXPECT_FALSE(onTop);
    EXPECT_EQ(onTopAtCaption.empty(), !accept);
    if (startOnTop) {
        ASSERT_EQ(toggles.size(), 2u);
        EXPECT_EQ(events.front().kind, Kind::ToggleOnTop);
        EXPECT_EQ(events.back().kind, Kind::ToggleOnTop) << "switched on again at the very end";
    } else {
        EXPECT_TRUE(toggles.empty());
    }
    EXPECT_EQ(target.stayOnTop(), startOnTop);
}

void checkDeclinedDemoChangesNothing(DemoTarget& target) {
    const Snapshot before = snapshot(target);
    const QString caption = target.caption();
    Session session(target);
    target.answerNextConfirmation(false);
    target.chooseRunDemo();

    const std::vector<DemoEvent>& events = session.recorder.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::Confirm);
    EXPECT_FALSE(events[0].flag);
    EXPECT_EQ(session.clock.waitCount(), 0);
    const Snapshot after = snapshot(target);
    EXPECT_EQ(std::tie(after.stack, after.input, after.menus, after.stackView),
              std::tie(before.stack, before.input, before.menus, before.stackView));
    EXPECT_EQ(target.caption(), caption);
    EXPECT_FALSE(target.demoRunner().isRunning());
}

void checkConfirmationText(DemoTarget& target) {
    const QString original = target.caption();
    for (const QString& caption : {original, QStringLiteral("Quarnel - a caption of its own")}) {
        target.demoHost().setCaption(caption);
        Session session(target);
        target.answerNextConfirmation(false);
        target.chooseRunDemo();
        const auto questions = ofKind(session.recorder.events(), Kind::Confirm);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, confirmationFor(caption));
    }
    target.demoHost().setCaption(original);
}

void checkStartsByLeavingStackView(DemoTarget& target) {
    target.pressView();
    ASSERT_TRUE(target.calculator().stackViewShown());
    Session session(target);
    std::optional<bool> stackViewAtFirstCaption;
    session.recorder.setAfterEach([&](const DemoEvent& e) {
        if (e.kind == Kind::Caption && !stackViewAtFirstCaption) {
            stackViewAtFirstCaption = target.calculator().stackViewShown();
            target.chooseQuitDemo();
        }
    });
    target.answerNextConfirmation(true);
    target.chooseRunDemo();

    const std::vector<DemoEvent>& events = session.recorder.events();
    const auto first = std::find_if(events.begin(), events.end(), [](const DemoEvent& e) {
        return e.kind == Kind::Command || e.kind == Kind::Caption;
    });
    ASSERT_NE(first, events.end());
    EXPECT_EQ(first->kind, Kind::Command);
    EXPECT_EQ(first->command, DemoCommand::CloseStackView);
    ASSERT_TRUE(stackViewAtFirstCaption.has_value());
    EXPECT_FALSE(*stackViewAtFirstCaption);
    EXPECT_FALSE(target.calculator().stackViewShown());
}

} // namespace quarnel::demo::test
