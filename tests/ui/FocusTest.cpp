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
