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

    dialogs().expect(StrictDialogs::Kind::Error);
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
    dialogs().expect(StrictDialogs::Kind::Error);
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
// behind the calculator, and comes back afterwards.
TEST_F(WindowTest, StayOnTopIsSuspendedAroundModalWindows) {
    struct Case {
        const char* trigger; // a button or a menu item
        StrictDialogs::Kind box;
    };
    const Case cases[] = {
        {"RecallWordSizeButton", StrictDialogs::Kind::Message},
        {"Depth1", StrictDialogs::Kind::Message},
        {"Maximum1", StrictDialogs::Kind::Message},
        {"About1", StrictDialogs::Kind::About},
        {"CalculatorBackground1", StrictDialogs::Kind::Color},
        {"CalculatorStack1", StrictDialogs::Kind::Color},
        {"StackFont1", StrictDialogs::Kind::Color},
    };
    for (bool onTop : {true, false}) {
        if (window().stayOnTop() != onTop)
            choose("StayonTop1");
        ASSERT_EQ(window().stayOnTop(), onTop);
        ASSERT_EQ(menuItem("StayonTop1")->isChecked(), onTop);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.trigger) + (onTop ? " on top" : " normal"));
            dialogs().clear();
            if (c.box == StrictDialogs::Kind::Color)
                dialogs().expectColor(std::nullopt);
            else
                dialogs().expect(c.box);
            if (QString::fromLatin1(c.trigger).endsWith(QLatin1String("Button")))
                click({c.trigger});
            else
                choose(c.trigger);
            ASSERT_EQ(dialogs().calls().size(), 1u);
            EXPECT_FALSE(dialogs().calls().front().parentOnTop);
            EXPECT_EQ(window().stayOnTop(), onTop);
            EXPECT_EQ(menuItem("StayonTop1")->isChecked(), onTop);
        }
    }
}

TEST_F(WindowTest, ErrorBoxIsNotWrappedInTheSuspension) {
    choose("StayonTop1");
    ASSERT_TRUE(window().stayOnTop());
    calc().loadWordSize(8);
    calc().loadStack({"5", "100"});
    window().redraw();
    dialogs().expect(StrictDialogs::Kind::Error);
    click({"DivButton"});
    ASSERT_EQ(dialogs().calls().size(), 1u);
    EXPECT_TRUE(dialogs().calls().front().parentOnTop);
    choose("StayonTop1");
    EXPECT_FALSE(window().stayOnTop());
    EXPECT_FALSE(menuItem("StayonTop1")->isChecked());
}

TEST_F(WindowTest, ColourDialogRemembersTheLastChoice) {
    auto* memo = stackMemo();
    auto* screen = display();
    auto* numbers = window().findChild<QTextEdit*>(QStringLiteral("NumberMemo"));
    QWidget* const boxes[] = {input(), memo, numbers, screen};

    // Cancel changes nothing.
    const QColor background = window().backgroundColor();
    dialogs().expectColor(std::nullopt);
    choose("CalculatorBackground1");
    EXPECT_EQ(window().backgroundColor(), background);

    dialogs().expectColor(QColor(Qt::red));
    choose("CalculatorBackground1");
    EXPECT_EQ(window().backgroundColor(), QColor(Qt::red));
    EXPECT_EQ(window().centralWidget()->palette().color(QPalette::Window), QColor(Qt::red));

    // The font colour goes to the text of all four boxes and nothing else.
    QColor bases[4];
    for (int i = 0; i < 4; ++i)
        bases[i] = baseColor(boxes[i]);
    dialogs().expectColor(QColor(Qt::blue));
    choose("StackFont1");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(textColor(boxes[i]), QColor(Qt::blue)) << i;
        EXPECT_EQ(baseColor(boxes[i]), bases[i]) << i;
    }
    EXPECT_EQ(window().fontColor(), QColor(Qt::blue));
    EXPECT_EQ(window().backgroundColor(), QColor(Qt::red));

    dialogs().expectColor(QColor(Qt::yellow));
    choose("CalculatorStack1");
    for (QWidget* box : boxes) {
        EXPECT_EQ(baseColor(box), QColor(Qt::yellow));
        EXPECT_EQ(textColor(box), QColor(Qt::blue));
    }
    EXPECT_EQ(window().stackColor(), QColor(Qt::yellow));

    dialogs().expectColor(std::nullopt);
    choose("StackFont1");
    EXPECT_EQ(window().fontColor(), QColor(Qt::blue));

    // Opened with black the first time, then with the colour chosen last,
    // whatever the target's own colour.
    const std::vector<QColor> opened = dialogs().colorInitials();
    const std::vector<QColor> expected{Qt::black, Qt::black, Qt::red, Qt::blue, Qt::yellow};
    EXPECT_EQ(opened, expected);
}

TEST(AboutBoxTest, ShowsNameVersionAndClosesWithOk) {
    quarnel::ui::AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quarnel"));
    EXPECT_EQ(box.size(), QSize(298, 176));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->geometry(), QRect(111, 140, 75, 25));
    EXPECT_TRUE(ok->isDefault());
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Quarnel")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 1.0")));
    auto* icon = box.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->size(), QSize(58, 51));
    EXPECT_FALSE(icon->pixmap().isNull());

    QTimer::singleShot(0, ok, &QPushButton::click);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}
