#include "WindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

// Sends a right-click context menu request to w and reports whether any
// popup opened (closing it again so the test never blocks).
bool contextMenuOpens(QWidget* w) {
    bool opened = false;
    QTimer::singleShot(100, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    const QPoint at = w->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &event);
    QTest::qWait(150);
    return opened;
}

} // namespace

TEST_F(WindowTest, DisplayBoxesHandTheFocusToTheInputLine) {
    type(QStringLiteral("1234"));
    input()->setCursorPosition(1);
    auto* numbers = window().findChild<QTextEdit*>(QStringLiteral("NumberMemo"));
    ASSERT_NE(numbers, nullptr);

    for (QTextEdit* box : {display(), numbers}) {
        SCOPED_TRACE(box->objectName().toStdString());
        button("PlusButton")->setFocus();
        ASSERT_FALSE(input()->hasFocus());
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_TRUE(input()->hasFocus());
        EXPECT_FALSE(box->hasFocus());
        EXPECT_EQ(input()->cursorPosition(), 4);
        EXPECT_FALSE(input()->hasSelectedText());

        input()->setCursorPosition(1);
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(input()->hasFocus());
        EXPECT_EQ(input()->cursorPosition(), 4);
    }
    // The display cannot be typed into.
    EXPECT_EQ(displayLines(), QStringList(5, QString()));
}

TEST_F(WindowTest, CommandsReturnTheFocusToTheInputLine) {
    type(QStringLiteral("5"));
    click({"EnterButton"});
    EXPECT_TRUE(input()->hasFocus());
    click({"SevenButton"});
    EXPECT_TRUE(input()->hasFocus());
    EXPECT_EQ(input()->cursorPosition(), 1);
}

TEST_F(WindowTest, TextControlsOpenNoContextMenu) {
    auto* numbers = window().findChild<QWidget*>(QStringLiteral("NumberMemo"));
    for (QWidget* w : {static_cast<QWidget*>(input()), static_cast<QWidget*>(display()), numbers}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(contextMenuOpens(w));
    }
    // The check itself notices a context menu where one is offered.
    QLineEdit plain;
    plain.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    EXPECT_TRUE(contextMenuOpens(&plain));
}

TEST_F(WindowTest, WindowIsDraggedByItsBody) {
    QWidget* body = window().centralWidget();
    // A free spot between the input line and the first row of buttons.
    const QPoint grab(195, 101);
    ASSERT_EQ(body->childAt(grab), nullptr);
    const QPoint before = window().pos();
    QTest::mousePress(body, Qt::LeftButton, {}, grab);
    QTest::mouseMove(body, grab + QPoint(40, 30));
    QTest::mouseRelease(body, Qt::LeftButton, {}, grab + QPoint(40, 30));
    EXPECT_EQ(window().pos(), before + QPoint(40, 30));

    // A click on a button is the button's, not a drag.
    const QPoint after = window().pos();
    click({"NilButton"});
    EXPECT_EQ(window().pos(), after);
    EXPECT_EQ(input()->text(), QStringLiteral("0"));
}
