#include "WindowFixture.h"

#include "ui/HelpViewer.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <vector>

namespace {

struct Row {
    int depth;
    QString name; // empty for a separator
    QString caption;
    QString shortcut;
    bool checkable;
    bool checked;
    bool enabled;
    friend bool operator==(const Row&, const Row&) = default;
};

std::ostream& operator<<(std::ostream& out, const Row& r) {
    return out << r.depth << " " << r.name.toStdString() << " '" << r.caption.toStdString() << "' ["
               << r.shortcut.toStdString() << "] check=" << r.checkable << "/" << r.checked
               << " enabled=" << r.enabled;
}

Row item(int depth, const char* name, const char* caption, const char* shortcut = "") {
    return {depth, name, caption, shortcut, false, false, true};
}
Row disabled(int depth, const char* name, const char* caption) {
    return {depth, name, caption, {}, false, false, false};
}
Row check(int depth, const char* name, const char* caption, bool checked) {
    return {depth, name, caption, {}, true, checked, true};
}
Row separator(int depth) {
    return {depth, {}, {}, {}, false, false, true};
}

// The menu bar as it must look at start.
std::vector<Row> expectedMenuBar() {
    return {
        item(0, "File1", "&File"),
        disabled(1, "CloseStackView1", "&Close StackView"),
        separator(1),
        item(1, "LoadStack1", "&Load Stack"),
        item(1, "SaveStack1", "&Save Stack"),
        item(1, "Print1", "&Print..."),
        item(2, "SetupPrinter1", "&Setup Printer"),
        item(2, "PrintStack1", "&Print Stack"),
        separator(1),
        item(1, "Exit1", "&Exit"),
        item(0, "Edit1", "&Edit"),
        item(1, "UndoLast1", "&Undo Last", "F2"),
        item(1, "restoreinput1", "&Restore Input", "Ctrl+Z"),
        item(0, "Stack1", "&Stack"),
        item(1, "Edit2", "Edi&t"),
        separator(1),
        item(1, "Dup21", "Du&p2"),
        item(1, "Drop21", "&Drop2"),
        item(1, "DupN1", "D&upN"),
        item(1, "DropN1", "Drop&N"),
        separator(1),
        item(1, "Pick1", "P&ick"),
        item(1, "Roll1", "Ro&ll"),
        item(1, "RollD1", "R&ollD"),
        item(1, "Over1", "O&ver"),
        item(1, "Keep1", "&Keep"),
        separator(1),
        item(1, "Rotate1", "&Rotate"),
        item(1, "Echo1", "E&cho"),
        separator(1),
        item(1, "Depth1", "D&epth"),
        item(1, "Maximum1", "&Maximum"),
        item(0, "Options1", "&Options"),
        check(1, "UseStackNumbering1", "&Use Stack Numbering", true),
        separator(1),
        item(1, "MaximumStackDepth1", "Set &Maximum Stack Depth"),
        separator(1),
        check(1, "StayonTop1", "&Stay on Top", false),
        separator(1),
        item(1, "Colors1", "Colors..."),
        item(2, "CalculatorBackground1", "Calculator &Background"),
        item(2, "CalculatorStack1", "Calculator &Stack"),
        item(2, "StackFont1", "Stack &Font"),
        separator(1),
        item(1, "SaveCalculatorState1", "S&ave Calculator State..."),
        check(2, "InIniFile1", "In &Ini File", true),
        check(2, "InRegistry1", "In &Registry", false),
        item(0, "Demo1", "&Demo"),
        item(1, "Run1", "&Run Demo"),
        disabled(1, "QuitDemo1", "&Quit Demo"),
        item(0, "Help1", "&Help"),
        item(1, "Contents1", "&Contents", "F1"),
        item(1, "SearchforHelpon1", "&Search for Help on..."),
        separator(1),
        item(1, "About1", "&About..."),
    };
}

void flatten(const QList<QAction*>& actions, int depth, std::vector<Row>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out.push_back(separator(depth));
            continue;
        }
        out.push_back({depth, a->objectName(), a->text(),
                       a->shortcut().toString(QKeySequence::PortableText), a->isCheckable(),
                       a->isChecked(), a->isEnabled()});
        if (QMenu* sub = a->menu())
            flatten(sub->actions(), depth + 1, out);
    }
}

std::vector<Row> actualMenuBar(QMenuBar* bar) {
    std::vector<Row> rows;
    flatten(bar->actions(), 0, rows);
    return rows;
}

} // namespace

TEST_F(WindowTest, MenuBarHasTheWholeTreeWithItsStartStates) {
    const std::vector<Row> expected = expectedMenuBar();
    const std::vector<Row> actual = actualMenuBar(window().menuBar());
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "row " << i;
}

TEST_F(WindowTest, ShortcutsWorkWhereverTheFocusIs) {
    for (const char* focus : {"InputEdit", "PlusButton", "HexButton"}) {
        SCOPED_TRACE(focus);
        auto* holder = window().findChild<QWidget*>(QString::fromLatin1(focus));
        ASSERT_NE(holder, nullptr);

        // Stack 5 3, input 2: + consumes the input, so Restore Input has
        // something to bring back and Undo Last a stack to exchange.
        click({"ClearButton", "ClearButton"});
        calc().loadStack({"5", "3"});
        window().redraw();
        type(QStringLiteral("2"));
        click({"PlusButton"});
        ASSERT_EQ(level1(), QStringLiteral("5"));
        ASSERT_EQ(input()->text(), QString());

        holder->setFocus();
        QTest::keyClick(holder, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(input()->text(), QStringLiteral("2")) << "Ctrl+Z is Restore Input";
        QTest::keyClick(holder, Qt::Key_F2);
        EXPECT_EQ(displayLines().mid(3), (QStringList{"5", "3"})) << "F2 is Undo Last";
        QTest::keyClick(holder, Qt::Key_F2);
        EXPECT_EQ(displayLines().mid(3), (QStringList{"5", "5"})) << "F2 again exchanges back";
        click({"DeleteButton"});
    }

    ASSERT_EQ(window().helpViewer(), nullptr);
    button("DropButton")->setFocus();
    QTest::keyClick(button("DropButton"), Qt::Key_F1);
    ASSERT_NE(window().helpViewer(), nullptr);
    EXPECT_TRUE(window().helpViewer()->isVisible()) << "F1 opens the help contents";
    window().helpViewer()->close();
}

TEST_F(WindowTest, StackViewSwitchesTheMenusAndTheirShortcuts) {
    const char* toggled[] = {"Edit1", "Stack1", "Options1"};
    click({"ViewButton"});
    for (const char* name : toggled)
        EXPECT_FALSE(window().topMenu(QString::fromLatin1(name))->menuAction()->isEnabled())
            << name;
    EXPECT_FALSE(menuItem("LoadStack1")->isEnabled());
    EXPECT_FALSE(menuItem("SaveStack1")->isEnabled());
    EXPECT_TRUE(menuItem("CloseStackView1")->isEnabled());
    EXPECT_TRUE(window().topMenu(QStringLiteral("File1"))->menuAction()->isEnabled());

    // The Edit menu's shortcuts are off with the menu.
    calc().loadStack({"7"});
    window().redraw();
    QTest::keyClick(stackMemo(), Qt::Key_F2);
    EXPECT_EQ(calc().stack().size(), 1u);

    choose("CloseStackView1");
    for (const char* name : toggled)
        EXPECT_TRUE(window().topMenu(QString::fromLatin1(name))->menuAction()->isEnabled()) << name;
    EXPECT_TRUE(menuItem("LoadStack1")->isEnabled());
    EXPECT_FALSE(menuItem("CloseStackView1")->isEnabled());
    EXPECT_FALSE(stackMemo()->isVisible());
    EXPECT_TRUE(input()->hasFocus());
}

TEST_F(WindowTest, DemoMenusLockAndUnlock) {
    window().setDemoMenus(true);
    for (const char* name : {"File1", "Edit1", "Stack1", "Options1", "Help1"})
        EXPECT_FALSE(window().topMenu(QString::fromLatin1(name))->menuAction()->isEnabled())
            << name;
    EXPECT_TRUE(menuItem("QuitDemo1")->isEnabled());
    EXPECT_FALSE(menuItem("Run1")->isEnabled());
    // The File menu is locked, so its Close StackView is not chosen...
    click({"ViewButton"});
    choose("CloseStackView1");
    EXPECT_TRUE(stackMemo()->isVisible());
    // ...but the demo leaves StackView directly, which does not unlock the menus.
    window().execute(quarnel::ui::Command::CloseStackView);
    EXPECT_FALSE(stackMemo()->isVisible());
    EXPECT_FALSE(window().topMenu(QStringLiteral("Edit1"))->menuAction()->isEnabled());
    // F1 stays quiet while Help is locked.
    QTest::keyClick(input(), Qt::Key_F1);
    EXPECT_EQ(window().helpViewer(), nullptr);

    window().setDemoMenus(false);
    for (const char* name : {"File1", "Edit1", "Stack1", "Options1", "Help1"})
        EXPECT_TRUE(window().topMenu(QString::fromLatin1(name))->menuAction()->isEnabled()) << name;
    EXPECT_FALSE(menuItem("QuitDemo1")->isEnabled());
    EXPECT_TRUE(menuItem("Run1")->isEnabled());
}

TEST_F(WindowTest, CheckMarksFollowTheirState) {
    choose("UseStackNumbering1");
    EXPECT_FALSE(menuItem("UseStackNumbering1")->isChecked());
    EXPECT_FALSE(window().findChild<QWidget*>(QStringLiteral("NumberMemo"))->isVisible());
    const QRect displayBefore = display()->geometry();
    choose("UseStackNumbering1");
    EXPECT_TRUE(menuItem("UseStackNumbering1")->isChecked());
    EXPECT_TRUE(window().findChild<QWidget*>(QStringLiteral("NumberMemo"))->isVisible());
    EXPECT_EQ(display()->geometry(), displayBefore);

    // Without a settings store attached, either store item switches to the
    // other store, and exactly one of the two is checked.
    const struct {
        const char* item;
        bool inRegistryAfter;
    } clicks[] = {
        {"InRegistry1", true}, {"InRegistry1", false}, {"InIniFile1", true}, {"InIniFile1", false}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.item);
        choose(c.item);
        EXPECT_EQ(window().stateInRegistry(), c.inRegistryAfter);
        EXPECT_EQ(menuItem("InRegistry1")->isChecked(), c.inRegistryAfter);
        EXPECT_EQ(menuItem("InIniFile1")->isChecked(), !c.inRegistryAfter);
    }
}
