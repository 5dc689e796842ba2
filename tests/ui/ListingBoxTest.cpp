// The box for deep StackView listings behaves as the plain text box does: the
// same keys and clicks on the same text leave the same text, caret, selection
// and scroll position. Its edits never reach the stack.

#include "ui/ListingBox.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <string>
#include <vector>

using quarnel::calculator::StackList;
using quarnel::calculator::StackListing;
using quarnel::engine::NumberBase;
using quarnel::ui::ListingBox;
using quarnel::ui::ListingText;

namespace {

StackListing listingOf(std::size_t count) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < count; ++i)
        entries.push_back(std::to_string(i * 7919 % 100000));
    return {StackList::fromVector(std::move(entries)), NumberBase::Dec, 64, true};
}

QString wholeText(const ListingText& text) {
    return text.text({}, text.end());
}

// The model position of (line, column) in the joined text.
qsizetype offsetOf(const QString& text, ListingText::Position at) {
    qsizetype offset = 0;
    for (qsizetype line = 0; line < at.line; ++line)
        offset = text.indexOf(QLatin1Char('\n'), offset) + 1;
    return offset + at.column;
}

// Runs the keys of `script` ("Ctrl+End", "PgDown", or one character to type)
// on the widget.
void play(QWidget* widget, const QString& script) {
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token.size() == 1) {
            QTest::keyClicks(widget, token);
            continue;
        }
        const QKeyCombination key = QKeySequence::fromString(token)[0];
        ASSERT_NE(key.key(), Qt::Key_unknown) << token.toStdString();
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    }
}

// The plain text box and the listing box side by side on the same listing.
class ListingBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const StackListing listing = listingOf(60);
        QStringList lines;
        for (std::size_t i = 0; i < listing.size(); ++i)
            lines.append(QString::fromStdString(listing.line(i)));
        for (QAbstractScrollArea* box : {static_cast<QAbstractScrollArea*>(&plain_),
                                         static_cast<QAbstractScrollArea*>(&box_)}) {
            box->setFont(QFont(QStringLiteral("Sans Serif"), 10));
            box->resize(386, 262);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
        plain_.setLineWrapMode(QPlainTextEdit::NoWrap);
        plain_.setPlainText(lines.join(QLatin1Char('\n')));
        box_.setListing(listing);
        plain_.show();
        box_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain_) && QTest::qWaitForWindowExposed(&box_));
    }

    // What a user can tell apart: text, caret, selection, scrolled line.
    void expectSame(const std::string& what) {
        SCOPED_TRACE(what);
        const QTextCursor cursor = plain_.textCursor();
        EXPECT_EQ(wholeText(box_.text()).toStdString(), plain_.toPlainText().toStdString());
        EXPECT_EQ(box_.caret().line, cursor.blockNumber());
        EXPECT_EQ(box_.caret().column, cursor.positionInBlock());
        EXPECT_EQ(box_.selectedText().toStdString(),
                  cursor.selectedText()
                      .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
                      .toStdString());
        EXPECT_EQ(box_.firstVisibleLine(), plain_.verticalScrollBar()->value());
    }

    QPlainTextEdit plain_;
    ListingBox box_;
};

} // namespace

TEST_F(ListingBoxTest, KeysDoWhatTheyDoInThePlainBox) {
    const char* scripts[] = {
        "Right Right Shift+Down Shift+Right",
        "Ctrl+End Shift+Up Shift+Home",
        "Down x y Return z Backspace Backspace Delete Delete",
        "End Return Return Up Left Backspace",
        "Ctrl+A Delete a b",
        "End Shift+Left Shift+Left Ctrl+X Home Ctrl+V Down Ctrl+V",
        "Ctrl+Right Ctrl+Right Shift+Ctrl+Left Ctrl+Backspace",
        "Down Down End Shift+Right Shift+Right Ctrl+C Ctrl+End Ctrl+V",
        "End Down Down Down Up",
        "Ctrl+End Ctrl+Home Down Ctrl+Delete",
    };
    for (const char* script : scripts) {
        SetUp();
        play(&plain_, QString::fromLatin1(script));
        play(&box_, QString::fromLatin1(script));
        expectSame(script);
    }
}

// PageUp and PageDown scroll by the same pages as the plain box; the caret
// goes with the page, and may end one line from where the plain box puts it.
TEST_F(ListingBoxTest, PagesScrollAsInThePlainBox) {
    for (const char* key : {"PgDown", "PgDown", "PgDown", "PgUp", "Shift+PgUp", "PgUp"}) {
        play(&plain_, QString::fromLatin1(key));
        play(&box_, QString::fromLatin1(key));
        EXPECT_EQ(box_.firstVisibleLine(), plain_.verticalScrollBar()->value()) << key;
        EXPECT_LE(std::abs(box_.caret().line - plain_.textCursor().blockNumber()), 1) << key;
    }
}

TEST_F(ListingBoxTest, ClicksPlaceTheCaretAsInThePlainBox) {
    const QPoint points[] = {{30, 8}, {5, 40}, {200, 100}, {12, 230}, {60, 3}};
    play(&plain_, QStringLiteral("PgDown PgDown"));
    play(&box_, QStringLiteral("PgDown PgDown"));
    for (const QPoint& at : points) {
        QTest::mouseClick(plain_.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(box_.viewport(), Qt::LeftButton, {}, at);
        expectSame("click");
        const QPoint further = at + QPoint(40, 30);
        QTest::mouseClick(plain_.viewport(), Qt::LeftButton, Qt::ShiftModifier, further);
        QTest::mouseClick(box_.viewport(), Qt::LeftButton, Qt::ShiftModifier, further);
        expectSame("shift-click");
    }
}

// Edits of every size at random places give the text the same edits give a
// plain string, and editing line after line keeps the text in few pieces.
TEST(ListingText, EditsMatchAPlainString) {
    ListingText text;
    text.reset(listingOf(40));
    QString model = wholeText(text);
    QRandomGenerator random(17);
    const QString pieces[] = {QString(), QStringLiteral("x"), QStringLiteral("\n"),
                              QStringLiteral("ab\r\ncd"), QStringLiteral("1\n2\n3\r")};
    const auto anywhere = [&] {
        const qsizetype line = random.bounded(static_cast<int>(text.lineCount()));
        return ListingText::Position{line,
                                     random.bounded(static_cast<int>(text.line(line).size()) + 1)};
    };
    for (int step = 0; step < 400; ++step) {
        ListingText::Position from = anywhere();
        ListingText::Position to = random.bounded(3) == 0 ? anywhere() : from;
        if (to < from)
            std::swap(from, to);
        QString piece = pieces[random.bounded(5)];
        const qsizetype start = offsetOf(model, from);
        model.replace(start, offsetOf(model, to) - start,
                      piece.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                          .replace(QLatin1Char('\r'), QLatin1Char('\n')));
        const ListingText::Position after =
            text.replace(from, to, pieces[random.bounded(1)] + piece);
        ASSERT_EQ(wholeText(text), model) << "step " << step;
        ASSERT_EQ(offsetOf(model, after), start + piece.size()) << "step " << step;
    }

    text.reset(listingOf(1000));
    for (qsizetype line = 100; line < 300; ++line)
        text.replace({line, 0}, {line, 0}, QStringLiteral("z"));
    EXPECT_EQ(text.segmentCount(), 3u);
    EXPECT_EQ(text.line(299),
              QStringLiteral("z") + QString::fromStdString(listingOf(1000).line(299)));
}

// In the window: a deep listing goes to the listing box, which takes the
// user's typing and copying; the stack never changes and the next VIEW shows
// the listing afresh.
TEST_F(WindowTest, DeepListingTakesEditsThatNeverReachTheStack) {
    const std::size_t count = quarnel::ui::MainWindow::kPlainListingLines + 1;
    std::vector<std::string> entries(count, "1F");
    calc().loadStack(entries);
    window().redraw();
    click({"ViewButton"});
    auto* box = window().findChild<ListingBox*>(QStringLiteral("StackMemo"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible() && box->hasFocus());
    EXPECT_FALSE(stackMemo()->isVisible());

    play(QApplication::focusWidget(),
         QStringLiteral("Ctrl+End 2 Return Ctrl+Home Shift+Down Ctrl+C"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("%1: 1F\n").arg(count));
    EXPECT_EQ(box->text().line(static_cast<qsizetype>(count) - 1), QStringLiteral("1: 1F2"));
    play(QApplication::focusWidget(), QStringLiteral("Ctrl+A Ctrl+X"));
    EXPECT_EQ(QApplication::clipboard()->text().count(QLatin1Char('\n')),
              static_cast<qsizetype>(count));
    EXPECT_EQ(box->text().lineCount(), 1);

    EXPECT_EQ(calc().stack().toVector(), entries);
    EXPECT_TRUE(input()->text().isEmpty());
    choose("CloseStackView1");
    click({"ViewButton"});
    EXPECT_EQ(box->text().lineCount(), static_cast<qsizetype>(count));
    EXPECT_EQ(box->text().line(0), QStringLiteral("%1: 1F").arg(count));

    // A short listing goes back to the plain box, in the same place.
    choose("CloseStackView1");
    click({"DropButton", "ViewButton"});
    EXPECT_TRUE(stackMemo()->isVisible() && stackMemo()->hasFocus());
    EXPECT_FALSE(box->isVisible());
}
