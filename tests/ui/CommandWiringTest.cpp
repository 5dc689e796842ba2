// The window's buttons, menu items and keys against the calculator's command
// table: every command is reachable, names, captions and shortcuts are
// unique, the grid is sound, and every control runs exactly its row (the
// window shows what the calculator shows after running the row itself).

#include "WindowFixture.h"

#include "ui/ButtonTable.h"
#include "ui/KeyTranslation.h"
#include "ui/MenuTable.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <set>
#include <string>

namespace {

using quarnel::calculator::Calculator;
using quarnel::calculator::CalculatorHost;
using quarnel::calculator::Command;
using quarnel::calculator::Key;
using quarnel::calculator::KeyBinding;
using quarnel::ui::MenuSpec;

class MessageCounter final : public CalculatorHost {
  public:
    void showMessage(const std::string&) override { ++messages; }
    void focusInput() override {}
    int messages = 0;
};

// A Qt key, plain or on the keypad, that the window translates to `key`.
std::optional<std::pair<int, Qt::KeyboardModifiers>> qtKeyFor(Key key) {
    for (int qtKey = 0; qtKey <= 0x01ffffff;
         qtKey = qtKey < 0xff ? qtKey + 1 : qtKey + 0x01000000 - 0xff) {
        for (int code = qtKey; code < qtKey + (qtKey >= 0x01000000 ? 0x100 : 1); ++code)
            for (const Qt::KeyboardModifiers mods :
                 {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier)})
                if (quarnel::ui::translateKey(code, mods) == key)
                    return std::pair{code, mods};
    }
    return std::nullopt;
}

class CommandWiringTest : public WindowTest {
  protected:
    // The same state in the window and in a twin calculator: stack 1 2 3 and the input.
    void prepare(Calculator& c, const char* input) {
        c.loadBase(quarnel::engine::NumberBase::Hex);
        c.loadWordSize(64);
        c.loadMaxStackDepth(0);
        c.setStackNumbering(true);
        c.replaceStack({"1", "2", "3"});
        c.loadInputText(input);
    }

    // Runs `act` on the window and `twin` on a calculator in the same state
    // (input 2 for the usual results, 0 for errors), and compares what the
    // window shows with the twin's state.
    void expectSameAs(const std::function<void()>& act,
                      const std::function<void(Calculator&)>& twin) {
        for (const char* typed : {"2", "0"}) {
            SCOPED_TRACE(typed);
            expectSameAs(act, twin, typed);
        }
    }
    void expectSameAs(const std::function<void()>& act,
                      const std::function<void(Calculator&)>& twin, const char* typed) {
        if (!calc().enterEnabled())
            calc().run(Command::Clear);
        calc().run(Command::CloseStackView);
        prepare(calc(), typed);
        window().redraw();
        MessageCounter counter;
        Calculator expected(&counter);
        prepare(expected, typed);
        twin(expected);
        for (int i = 0; i < counter.messages; ++i)
            dialogs().expectMessage();
        act();
        QStringList lines;
        for (const std::string& line : expected.displayLines())
            lines << QString::fromStdString(line);
        EXPECT_EQ(displayLines(), lines);
        EXPECT_EQ(input()->text(), QString::fromStdString(expected.inputText()));
        EXPECT_EQ(calc().stack(), expected.stack());
        EXPECT_EQ(stackMemo()->isVisible(), expected.stackViewShown());
        EXPECT_EQ(button("EnterButton")->isEnabled(), expected.enterEnabled());
        EXPECT_EQ(button("BinButton")->text().toStdString(),
                  expected.baseCaption(quarnel::engine::NumberBase::Bin));
        EXPECT_EQ(button("TwoButton")->isEnabled(), expected.digitEnabled(2));
        EXPECT_EQ(dialogs().unmet(), 0u);
    }
};

TEST_F(CommandWiringTest, EveryCalculatorCommandIsReachable) {
    std::set<Command> reachable;
    for (const quarnel::ui::ButtonSpec& spec : quarnel::ui::buttonTable())
        reachable.insert(spec.command);
    for (const MenuSpec& spec : quarnel::ui::menuTable())
        if (const auto row = spec.command.calculatorCommand())
            reachable.insert(*row);
    for (const KeyBinding& binding : quarnel::calculator::keyMap())
        reachable.insert(binding.command);
    for (const auto& row : quarnel::calculator::commandTable())
        EXPECT_TRUE(reachable.contains(row.command)) << row.name;
}

TEST_F(CommandWiringTest, NamesCaptionsAndShortcutsAreUnique) {
    std::set<QString> names, captions, shortcuts;
    for (QPushButton* b : window().findChildren<QPushButton*>()) {
        EXPECT_TRUE(names.insert(b->objectName()).second) << b->objectName().toStdString();
        EXPECT_TRUE(captions.insert(b->text()).second) << b->text().toStdString();
    }
    EXPECT_EQ(names.size(), std::size_t(quarnel::ui::kButtonCount));
    for (QAction* a : window().findChildren<QAction*>()) {
        if (a->isSeparator() || a->objectName().isEmpty() || a->menu())
            continue;
        EXPECT_TRUE(names.insert(a->objectName()).second) << a->objectName().toStdString();
        EXPECT_TRUE(captions.insert(a->text()).second) << a->text().toStdString();
        // A shortcut is never also a key of the input line's map.
        if (const QKeySequence keys = a->shortcut(); !keys.isEmpty()) {
            EXPECT_TRUE(shortcuts.insert(keys.toString()).second);
            EXPECT_FALSE(quarnel::ui::translateKey(keys[0].key(), keys[0].keyboardModifiers()));
        }
    }
    EXPECT_EQ(shortcuts.size(), 5u);
}

// Within the menu bar and within each menu, no two entries share an access key.
TEST_F(CommandWiringTest, AccessKeysAreUniqueWithinEachMenu) {
    const auto accessKey = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
    };
    const auto check = [&](const QList<QAction*>& actions, const QString& where) {
        std::set<QChar> keys;
        for (const QAction* a : actions) {
            const QChar key = accessKey(a->text());
            if (!key.isNull()) {
                EXPECT_TRUE(keys.insert(key).second)
                    << where.toStdString() << ": " << a->text().toStdString();
            }
        }
    };
    check(window().menuBar()->actions(), QStringLiteral("menu bar"));
    for (const QMenu* menu : window().findChildren<QMenu*>())
        check(menu->actions(), menu->title());
}

TEST_F(CommandWiringTest, ButtonGridHasNoOverlapsAndFitsTheWindow) {
    const QRect client = window().centralWidget()->rect();
    const QRect screen = display()->geometry().united(input()->geometry());
    const QList<QPushButton*> buttons = window().findChildren<QPushButton*>();
    for (QPushButton* b : buttons) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_TRUE(client.contains(b->geometry()));
        EXPECT_FALSE(b->geometry().intersects(screen));
        for (QPushButton* other : buttons)
            EXPECT_TRUE(b == other || !b->geometry().intersects(other->geometry()))
                << other->objectName().toStdString();
    }
    EXPECT_EQ(window().centralWidget()->size(),
              QSize(quarnel::ui::MainWindow::kClientWidth, quarnel::ui::MainWindow::kClientHeight));
}

TEST_F(CommandWiringTest, EveryButtonRunsItsRow) {
    for (const quarnel::ui::ButtonSpec& spec : quarnel::ui::buttonTable()) {
        SCOPED_TRACE(spec.objectName);
        expectSameAs([&] { click({spec.objectName}); },
                     [&](Calculator& c) { c.run(spec.command); });
    }
}

TEST_F(CommandWiringTest, EveryCalculatorMenuItemRunsItsRow) {
    for (const MenuSpec& spec : quarnel::ui::menuTable()) {
        const auto row = spec.command.calculatorCommand();
        if (!row)
            continue;
        SCOPED_TRACE(spec.objectName);
        expectSameAs([&] { choose(spec.objectName); }, [&](Calculator& c) { c.run(*row); });
    }
}

TEST_F(CommandWiringTest, EveryKeyRunsItsCommandThenTypes) {
    for (const KeyBinding& binding : quarnel::calculator::keyMap()) {
        SCOPED_TRACE(std::string(binding.name));
        const auto qtKey = qtKeyFor(binding.key);
        ASSERT_TRUE(qtKey);
        QKeyEvent press(QEvent::KeyPress, qtKey->first, qtKey->second,
                        binding.typed ? QString(QLatin1Char(binding.typed)) : QString());
        expectSameAs([&] { QApplication::sendEvent(input(), &press); },
                     [&](Calculator& c) {
                         c.keyDown(binding.key);
                         if (binding.typed)
                             c.setInputText(c.inputText() + binding.typed);
                     });
    }
}

TEST_F(CommandWiringTest, ShortcutsWorkWhereverTheFocusIs) {
    for (const char* focus : {"InputEdit", "PlusButton", "HexButton"}) {
        SCOPED_TRACE(focus);
        auto* holder = child<QWidget>(focus);
        calc().replaceStack({"5", "3"});
        window().redraw();
        type(QStringLiteral("2"));
        click({"PlusButton"});
        holder->setFocus();
        QTest::keyClick(holder, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(input()->text(), QStringLiteral("2")) << "Ctrl+Z is Restore Input";
        QTest::keyClick(holder, Qt::Key_F2);
        EXPECT_EQ(displayLines().mid(3), (QStringList{"5", "3"})) << "F2 is Undo Last";
        click({"DeleteButton"});
    }
}

TEST_F(CommandWiringTest, MenuStatesFollowStackViewAndTheDemo) {
    const auto enabled = [this](const char* menu) {
        return window().topMenu(QString::fromLatin1(menu))->menuAction()->isEnabled();
    };
    click({"ViewButton"});
    EXPECT_FALSE(enabled("Edit1") || enabled("Stack1") || enabled("Bits1") || enabled("Options1"));
    EXPECT_FALSE(menuItem("LoadStack1")->isEnabled());
    EXPECT_TRUE(menuItem("CloseStackView1")->isEnabled());
    QTest::keyClick(stackMemo(), Qt::Key_F2); // Edit's shortcut is off with its menu
    choose("CloseStackView1");
    EXPECT_TRUE(enabled("Edit1") && enabled("Stack1") && enabled("Bits1") && enabled("Options1"));
    EXPECT_TRUE(input()->hasFocus());

    window().setDemoMenus(true);
    for (const char* name : {"File1", "Edit1", "Stack1", "Bits1", "Options1", "Help1"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(menuItem("QuitDemo1")->isEnabled());
    EXPECT_FALSE(menuItem("Run1")->isEnabled());
    QTest::keyClick(input(), Qt::Key_F1);
    EXPECT_EQ(window().helpViewer(), nullptr) << "F1 stays quiet while Help is locked";
    window().setDemoMenus(false);
    EXPECT_TRUE(enabled("File1") && enabled("Help1") && menuItem("Run1")->isEnabled());
}

TEST_F(CommandWiringTest, CheckMarksFollowTheirState) {
    choose("UseStackNumbering1");
    EXPECT_FALSE(menuItem("UseStackNumbering1")->isChecked() || numbers()->isVisible());
    choose("UseStackNumbering1");
    EXPECT_TRUE(menuItem("UseStackNumbering1")->isChecked() && numbers()->isVisible());
    // Without a settings store either store item switches to the other store.
    for (const auto& [item, inRegistry] :
         {std::pair{"InRegistry1", true}, {"InRegistry1", false}, {"InIniFile1", true}}) {
        choose(item);
        EXPECT_EQ(menuItem("InRegistry1")->isChecked(), inRegistry) << item;
        EXPECT_EQ(menuItem("InIniFile1")->isChecked(), !inRegistry) << item;
    }
}

} // namespace
