#include "WindowFixture.h"

#include "engine/Engine.h"
#include "ui/AboutBox.h"
#include "ui/StandardDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <new>
#include <string>

using Kind = ScriptedDialogs::Kind;

TEST_F(WindowTest, EngineFailureShowsTheErrorBoxAndAbandonsTheCommand) {
    std::string message; // the engine's own words for a divisor zero only after reduction
    try {
        quarnel::engine::DivInBase("5", "100", quarnel::engine::NumberBase::Hex, 8);
    } catch (const quarnel::engine::EngineError& e) {
        message = e.what();
    }
    ASSERT_FALSE(message.empty());
    calc().loadWordSize(8);
    calc().loadStack({"5", "100"});
    window().redraw();
    dialogs().expect(Kind::Error);
    click({"DivButton"});
    ASSERT_EQ(dialogs().calls().size(), 1u);
    EXPECT_EQ(dialogs().calls().front().text.toStdString(), message);
    EXPECT_EQ(calc().stack().toVector(), (std::vector<std::string>{"5", "100"}));
    EXPECT_EQ(displayLines().mid(3), (QStringList{"5", "0"}));
    EXPECT_TRUE(button("EnterButton")->isEnabled());
}

TEST_F(WindowTest, ExhaustedMemoryIsReportedInTheErrorBox) {
    window().hooks().loadStack = [] { throw std::bad_alloc(); };
    dialogs().expect(Kind::Error);
    choose("LoadStack1");
    ASSERT_EQ(dialogs().calls().size(), 1u);
    EXPECT_EQ(dialogs().calls().front().text, "Insufficient memory available to perform task!");
    EXPECT_TRUE(window().isVisible());
}

TEST(StandardDialogsTest, BoxesHaveTheirCaptionIconTextAndOkButton) {
    QWidget parent;
    quarnel::ui::StandardDialogs dialogs;
    using Show = void (quarnel::ui::StandardDialogs::*)(QWidget*, const QString&);
    for (const auto& [show, title, icon] :
         {std::tuple{Show(&quarnel::ui::StandardDialogs::error), "Error", QMessageBox::Critical},
          {Show(&quarnel::ui::StandardDialogs::message), "Quarnel", QMessageBox::NoIcon}}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), QString::number(box->icon()),
                    QString::number(box->standardButtons())};
            box->button(QMessageBox::Ok)->click();
        });
        (dialogs.*show)(&parent, QStringLiteral("Bad number"));
        EXPECT_EQ(seen.join(" | ").toStdString(),
                  QStringList({title, "Bad number", QString::number(icon),
                               QString::number(QMessageBox::Ok)})
                      .join(" | ")
                      .toStdString());
    }
}

// Stay on Top is lowered for exactly the modal windows that could hide
// behind the calculator, and comes back afterwards; the error box is not.
TEST_F(WindowTest, StayOnTopIsSuspendedAroundModalWindows) {
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
    for (QWidget* box :
         std::initializer_list<QWidget*>{input(), stackMemo(), numbers(), display()}) {
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::yellow));
        EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::blue));
    }
    // Opened with black the first time, then with the colour chosen last.
    EXPECT_EQ(dialogs().colorInitials(),
              (std::vector<QColor>{Qt::black, Qt::black, Qt::red, Qt::blue}));
}

TEST(AboutBoxTest, ShowsNameVersionAndClosesWithOk) {
    quarnel::ui::AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quarnel"));
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 1.0")));
    QTimer::singleShot(0, box.findChild<QPushButton*>("OKButton"), &QPushButton::click);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}
