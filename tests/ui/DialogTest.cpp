#include "WindowFixture.h"

#include "engine/Engine.h"
#include "ui/AboutBox.h"
#include "ui/StandardDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <new>
#include <string>

namespace {

using quarnel::engine::NumberBase;

// The message the engine gives for a divisor that is zero only after reduction.
QString engineDivisionMessage() {
    try {
        quarnel::engine::DivInBase("5", "100", NumberBase::Hex, 8);
    } catch (const quarnel::engine::EngineError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

QColor textColor(QWidget* w) {
    return w->palette().color(QPalette::Text);
}
QColor baseColor(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

} // namespace

TEST_F(WindowTest, EngineFailureShowsTheErrorBoxAndAbandonsTheCommand) {
    const QString message = engineDivisionMessage();
    ASSERT_FALSE(message.isEmpty()) << "the engine must refuse a divisor reduced to zero";
    calc().loadWordSize(8);
    calc().loadStack({"5", "100"});
    window().redraw();
    ASSERT_EQ(displayLines().mid(3), (QStringList{"5", "0"}));

    dialogs().expect(ScriptedDialogs::Kind::Error);
    click({"DivButton"});
    ASSERT_EQ(dialogs().calls().size(), 1u);
    EXPECT_EQ(dialogs().calls().front().text, message);
    // Nothing of the command happened after the engine call.
    EXPECT_EQ(calc().stack().toVector(), (std::vector<std::string>{"5", "100"}));
    EXPECT_EQ(displayLines().mid(3), (QStringList{"5", "0"}));
    EXPECT_TRUE(button("EnterButton")->isEnabled());
}

TEST_F(WindowTest, ExhaustedMemoryIsReportedInTheErrorBox) {
    window().hooks().loadStack = [] { throw std::bad_alloc(); };
    dialogs().expect(ScriptedDialogs::Kind::Error);
    choose("LoadStack1");
    ASSERT_EQ(dialogs().calls().size(), 1u);
    EXPECT_EQ(dialogs().calls().front().text,
              QStringLiteral("Insufficient memory available to perform task!"));
    EXPECT_TRUE(window().isVisible());
}

TEST(StandardDialogsTest, BoxesHaveTheirCaptionIconTextAndOkButton) {
    QWidget parent;
    quarnel::ui::StandardDialogs dialogs;
    const struct {
        void (quarnel::ui::StandardDialogs::*show)(QWidget*, const QString&);
        const char* title;
        QMessageBox::Icon icon;
    } cases[] = {{&quarnel::ui::StandardDialogs::error, "Error", QMessageBox::Critical},
                 {&quarnel::ui::StandardDialogs::message, "Quarnel", QMessageBox::NoIcon}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        (dialogs.*c.show)(&parent, QStringLiteral("Bad number"));
        EXPECT_EQ(title, QString::fromLatin1(c.title));
        EXPECT_EQ(text, QStringLiteral("Bad number"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

// Stay on Top is lowered for exactly the modal windows that could hide
// behind the calculator, and comes back afterwards; the error box is not.
TEST_F(WindowTest, StayOnTopIsSuspendedAroundModalWindows) {
    using Kind = ScriptedDialogs::Kind;
    const std::pair<const char*, Kind> cases[] = {{"RecallWordSizeButton", Kind::Message},
                                                  {"Depth1", Kind::Message},
                                                  {"Maximum1", Kind::Message},
                                                  {"About1", Kind::About},
                                                  {"CalculatorBackground1", Kind::Color},
                                                  {"StackFont1", Kind::Color},
                                                  {"DivButton", Kind::Error}};
    calc().loadWordSize(8);
    calc().loadStack({"5", "100"});
    for (bool onTop : {true, false}) {
        if (window().stayOnTop() != onTop)
            choose("StayonTop1");
        for (const auto& [trigger, box] : cases) {
            SCOPED_TRACE(std::string(trigger) + (onTop ? " on top" : " normal"));
            dialogs().clear();
            dialogs().expect(box);
            if (QString::fromLatin1(trigger).endsWith(QLatin1String("Button")))
                click({trigger});
            else
                choose(trigger);
            ASSERT_EQ(dialogs().calls().size(), 1u);
            EXPECT_EQ(dialogs().calls().front().parentOnTop, onTop && box == Kind::Error);
            EXPECT_EQ(window().stayOnTop(), onTop);
            EXPECT_EQ(menuItem("StayonTop1")->isChecked(), onTop);
        }
    }
}

TEST_F(WindowTest, ColourDialogRemembersTheLastChoice) {
    auto* numbers = window().findChild<QTextEdit*>(QStringLiteral("NumberMemo"));
    QWidget* const boxes[] = {input(), stackMemo(), numbers, display()};
    const QColor background = window().backgroundColor();
    dialogs().expectColor(std::nullopt); // Cancel changes nothing
    choose("CalculatorBackground1");
    EXPECT_EQ(window().backgroundColor(), background);
    for (const auto& [item, colour] : {std::pair{"CalculatorBackground1", QColor(Qt::red)},
                                       {"StackFont1", QColor(Qt::blue)},
                                       {"CalculatorStack1", QColor(Qt::yellow)}}) {
        dialogs().expectColor(colour);
        choose(item);
    }
    EXPECT_EQ(window().centralWidget()->palette().color(QPalette::Window), QColor(Qt::red));
    for (QWidget* box : boxes) {
        EXPECT_EQ(baseColor(box), QColor(Qt::yellow));
        EXPECT_EQ(textColor(box), QColor(Qt::blue));
    }
    // Opened with black the first time, then with the colour chosen last.
    const std::vector<QColor> expected{Qt::black, Qt::black, Qt::red, Qt::blue};
    EXPECT_EQ(dialogs().colorInitials(), expected);
}

TEST(AboutBoxTest, ShowsNameVersionAndClosesWithOk) {
    quarnel::ui::AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quarnel"));
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 1.0")));
    QTimer::singleShot(0, box.findChild<QPushButton*>(QStringLiteral("OKButton")),
                       &QPushButton::click);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}
