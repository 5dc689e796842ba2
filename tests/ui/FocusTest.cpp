#include "WindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

namespace {

// Sends a right-click context menu request to w and reports whether any
// popup opened (closing it again so the test never blocks).
bool contextMenuOpens(QWidget* w) {
    bool opened = false;
    QTimer::singleShot(100, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget())
            opened = popup->close();
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
    for (QTextEdit* box : {display(), numbers()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        input()->setCursorPosition(1);
        button("PlusButton")->setFocus();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_TRUE(input()->hasFocus() && !box->hasFocus());
        EXPECT_EQ(input()->cursorPosition(), 4);
        EXPECT_FALSE(input()->hasSelectedText());
        input()->setCursorPosition(1);
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(input()->hasFocus());
        EXPECT_EQ(input()->cursorPosition(), 4);
    }
    EXPECT_EQ(displayLines(), QStringList(5, QString())) << "the display cannot be typed into";
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
    for (QWidget* w : std::initializer_list<QWidget*>{input(), display(), numbers()})
        EXPECT_FALSE(contextMenuOpens(w)) << w->objectName().toStdString();
    // The check itself notices a context menu where one is offered.
    QLineEdit plain;
    plain.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    EXPECT_TRUE(contextMenuOpens(&plain));
}

TEST_F(WindowTest, WindowIsDraggedByItsBody) {
    QWidget* body = window().centralWidget();
    const QPoint grab(195, 101), to = grab + QPoint(40, 30); // between input line and buttons
    ASSERT_EQ(body->childAt(grab), nullptr);
    const QPoint before = window().pos();
    QTest::mousePress(body, Qt::LeftButton, {}, grab);
    QTest::mouseMove(body, to);
    QTest::mouseRelease(body, Qt::LeftButton, {}, to);
    EXPECT_EQ(window().pos(), before + QPoint(40, 30));
    // A click on a button is the button's, not a drag.
    click({"NilButton"});
    EXPECT_EQ(window().pos(), before + QPoint(40, 30));
    EXPECT_EQ(input()->text(), QStringLiteral("0"));
}
