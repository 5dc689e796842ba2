// The readout under the keypad: shown and hidden from the Options menu, the
// window's size with and without it, and the bit grid's clicks as steps that
// Undo Last and Restore Input take back.

#include "WindowFixture.h"

#include "calculator/Readout.h"
#include "ui/ReadoutPanel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

namespace {

using quarnel::ui::ReadoutPanel;

class ReadoutTest : public WindowTest {
  protected:
    ReadoutPanel* panel() const { return child<ReadoutPanel>("ReadoutPanel"); }
    QString line(const char* name) const { return child<QLabel>(name)->text(); }
    void clickBit(int bit) {
        const QRect cell = panel()->bitRect(bit);
        ASSERT_FALSE(cell.isEmpty()) << bit;
        QTest::mouseClick(panel()->bitGrid(), Qt::LeftButton, {}, cell.center());
    }
    void settle() { QCoreApplication::processEvents(); }
};

TEST_F(ReadoutTest, HiddenItLeavesTheWindowAsItWas) {
    settle();
    const QSize before = window().size();
    const QSize client = child<QWidget>("ClientArea")->size();
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(menuItem("ShowReadout1")->isChecked());
    // Its access key is checked for clashes with the whole menu bar's.
    EXPECT_TRUE(menuItem("ShowReadout1")->text().contains(QLatin1Char('&')));
    EXPECT_EQ(client,
              QSize(quarnel::ui::MainWindow::kClientWidth, quarnel::ui::MainWindow::kClientHeight));

    choose("ShowReadout1");
    settle();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(menuItem("ShowReadout1")->isChecked());
    EXPECT_EQ(window().width(), before.width());
    EXPECT_GE(window().height() - before.height(), panel()->height());
    // The panel lies whole inside the client area, below the keypad.
    const QRect area = child<QWidget>("ClientArea")->rect();
    EXPECT_TRUE(area.contains(panel()->geometry()));
    EXPECT_GE(panel()->y(), button("EnterButton")->geometry().bottom());

    choose("ShowReadout1");
    settle();
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(window().size(), before);
    EXPECT_EQ(child<QWidget>("ClientArea")->size(), client);
}

// A flip of level 1 is taken back by Undo Last, one of the line by Restore Input.
TEST_F(ReadoutTest, BitClicksAreUndoneLikeAnyStep) {
    choose("ShowReadout1");
    type(QStringLiteral("5"));
    click({"EnterButton"});
    clickBit(1);
    EXPECT_EQ(calc().stack().back(), "7");
    EXPECT_EQ(displayLines()[4].trimmed(), QStringLiteral("7"));
    EXPECT_EQ(line("ReadoutBin"), QStringLiteral("111"));
    choose("UndoLast1");
    EXPECT_EQ(calc().stack().back(), "5");
    EXPECT_EQ(line("ReadoutHex"), QStringLiteral("5"));
    EXPECT_EQ(calc().stack().size(), 1U);

    type(QStringLiteral("C"));
    EXPECT_EQ(line("ReadoutDec"), QStringLiteral("12"));
    clickBit(0);
    EXPECT_EQ(input()->text(), QStringLiteral("D"));
    EXPECT_EQ(line("ReadoutDec"), QStringLiteral("13"));
    EXPECT_EQ(calc().stack().back(), "5");
    choose("restoreinput1");
    EXPECT_EQ(input()->text(), QStringLiteral("C"));
    EXPECT_EQ(line("ReadoutDec"), QStringLiteral("12"));
}

// A 128-bit word in BIN: every line whole, every bit a cell of its own inside
// the panel, bit 0 at the bottom right.
TEST_F(ReadoutTest, AllOnesAt128BitsFitsWhole) {
    choose("ShowReadout1");
    type(QStringLiteral("128"));
    click({"SetWordSizeButton", "BinButton"});
    type(QStringLiteral("1"));
    click({"EnterButton", "NEGButton"}); // 128 ones
    settle();
    const auto readout = quarnel::calculator::readoutOf(calc());
    ASSERT_TRUE(readout);
    ASSERT_EQ(readout->bin, std::string(128, '1'));

    QString bin = line("ReadoutBin");
    EXPECT_EQ(bin.count(QLatin1Char('\n')), 3) << bin.toStdString();
    bin.remove(QLatin1Char(' ')).remove(QLatin1Char('\n'));
    EXPECT_EQ(bin.toStdString(), readout->bin);
    for (const char* name : {"ReadoutHex", "ReadoutDec", "ReadoutOct", "ReadoutBin",
                             "ReadoutSigned", "ReadoutSizes", "ReadoutCounts"}) {
        auto* label = child<QLabel>(name);
        const QFontMetrics metrics(label->font());
        for (const QString& row : label->text().split(QLatin1Char('\n')))
            EXPECT_LE(metrics.horizontalAdvance(row), label->width()) << name;
        EXPECT_TRUE(panel()->rect().contains(label->geometry())) << name;
    }
    EXPECT_EQ(line("ReadoutSigned"), QStringLiteral("-1"));

    const QRect grid = panel()->bitGrid()->rect();
    QRect seen;
    for (int bit = 0; bit < 128; ++bit) {
        const QRect cell = panel()->bitRect(bit);
        ASSERT_TRUE(grid.contains(cell)) << bit;
        // Higher bits to the left in a row, and rows of higher bits above.
        if (bit % 32 != 0) {
            EXPECT_LT(cell.right(), panel()->bitRect(bit - 1).left()) << bit;
        } else if (bit > 0) {
            EXPECT_LT(cell.bottom(), panel()->bitRect(bit - 1).top()) << bit;
        }
        seen = seen.united(cell);
    }
    EXPECT_EQ(panel()->bitRect(0).bottom(), seen.bottom());
    EXPECT_EQ(panel()->bitRect(0).right(), seen.right());
    EXPECT_EQ(panel()->bitRect(127).topLeft(), seen.topLeft());
    EXPECT_TRUE(panel()->bitRect(128).isEmpty());

    clickBit(127);
    EXPECT_EQ(calc().stack().back(), std::string(127, '1'));
    EXPECT_FALSE(line("ReadoutSigned").startsWith(QLatin1Char('-'))); // positive now
}

TEST_F(ReadoutTest, ItTakesTheDisplayColours) {
    choose("ShowReadout1");
    window().setStackColor(Qt::darkBlue);
    window().setFontColor(Qt::yellow);
    EXPECT_EQ(panel()->palette().color(QPalette::Window), QColor(Qt::darkBlue));
    EXPECT_EQ(panel()->palette().color(QPalette::WindowText), QColor(Qt::yellow));
}

TEST_F(ReadoutTest, EmptyWithNothingToShow) {
    choose("ShowReadout1");
    EXPECT_EQ(line("ReadoutHex"), QString());
    type(QStringLiteral("A"));
    EXPECT_EQ(line("ReadoutHex"), QStringLiteral("A"));
    click({"ClearButton"});
    EXPECT_EQ(line("ReadoutHex"), QString());
}

} // namespace
