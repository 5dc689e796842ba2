#include "WindowFixture.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <array>

namespace {

// The button grid as the layout fixes it: captions and object names by row and
// column, independent of the window's own table.
struct Cell {
    const char* name;
    const char* caption;
};

constexpr std::array<int, 8> kColumns{7, 52, 98, 150, 202, 247, 293, 338};
constexpr std::array<int, 6> kRows{104, 130, 156, 182, 208, 234};

// clang-format off
constexpr Cell kGrid[6][8] = {
    {{"DButton", "D"}, {"EButton", "E"}, {"FButton", "F"}, {nullptr, nullptr},
     {"OrButton", "OR"}, {"XORButton", "XOR"}, {"AndButton", "AND"}, {"NotButton", "NOT"}},
    {{"AButton", "A"}, {"BButton", "B"}, {"CButton", "C"}, {"NEGButton", "NEG"},
     {"RLButton", "RL"}, {"SLButton", "SL"}, {"SRButton", "SR"}, {"RRButton", "RR"}},
    {{"SevenButton", "7"}, {"EightButton", "8"}, {"NineButton", "9"}, {"DivButton", "DIV"},
     {"RLBButton", "RLB"}, {"SLBButton", "SLB"}, {"SRBButton", "SRB"}, {"RRBButton", "RRB"}},
    {{"FourButton", "4"}, {"FiveButton", "5"}, {"SixButton", "6"}, {"MultiplyButton", "*"},
     {"ASRButton", "ASR"}, {"SetWordSizeButton", "STWS"}, {"RecallWordSizeButton", "RCWS"}, {"DuplicateButton", "DUP"}},
    {{"OneButton", "1"}, {"TwoButton", "2"}, {"ThreeButton", "3"}, {"MinusButton", "-"},
     {"HexButton", "<HEX>"}, {"DecButton", "DEC"}, {"BinButton", "BIN"}, {"OctButton", "OCT"}},
    {{"NilButton", "0"}, {"EnterButton", "ENT"}, {"ViewButton", "VIEW"}, {"PlusButton", "+"},
     {"DropButton", "DROP"}, {"SwapButton", "SWAP"}, {"ClearButton", "CLR"}, {"DeleteButton", "DEL"}},
};
// clang-format on

struct ExpectedFont {
    const char* family;
    int pixels;
};

ExpectedFont fontFor(const QString& caption) {
    if (caption == QLatin1String("*") || caption == QLatin1String("-") ||
        caption == QLatin1String("+"))
        return {"Courier", 13};
    if (caption == QLatin1String("A"))
        return {"MS Sans Serif", 11};
    return {"MS Sans Serif", 10};
}

void expectFont(const QWidget* w, const char* family, int pixels) {
    ASSERT_FALSE(w->font().families().isEmpty());
    EXPECT_EQ(w->font().families().front(), QString::fromLatin1(family));
    if (pixels == 0)
        return;
    EXPECT_EQ(w->font().pixelSize(), pixels);
    // Whatever face stands in for a missing family keeps the size.
    const QFontInfo resolved(w->font());
    EXPECT_FALSE(resolved.family().isEmpty());
    EXPECT_EQ(resolved.pixelSize(), pixels);
}

} // namespace

TEST_F(WindowTest, EveryButtonHasItsPlaceCaptionAndFace) {
    int count = 0;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const Cell& cell = kGrid[r][c];
            if (!cell.name)
                continue;
            SCOPED_TRACE(cell.name);
            ++count;
            QPushButton* b = button(cell.name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), window().centralWidget());
            EXPECT_EQ(b->text(), QString::fromLatin1(cell.caption));
            EXPECT_EQ(b->x(), kColumns[c]);
            EXPECT_EQ(b->y(), kRows[r]);
            EXPECT_EQ(b->height(), 20);
            if (QLatin1String(cell.name) == QLatin1String("NEGButton")) {
                EXPECT_EQ(b->width(), 39);
            } else {
                EXPECT_TRUE(b->width() == 40 || b->width() == 41) << b->width();
            }
            const ExpectedFont f = fontFor(b->text());
            expectFont(b, f.family, f.pixels);
            EXPECT_FALSE(b->toolTip().isEmpty());
            EXPECT_TRUE(b->isVisible());
        }
    }
    EXPECT_EQ(count, 47);
    EXPECT_EQ(window().findChildren<QPushButton*>().size(), 47);
}

TEST_F(WindowTest, WindowIsFixedWithMinimiseButNoMaximise) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Quarnel"));
    EXPECT_EQ(window().objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window().centralWidget()->size(), QSize(386, 262));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    const Qt::WindowFlags flags = window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));

    const QSize before = window().size();
    window().resize(before + QSize(100, 80));
    EXPECT_EQ(window().size(), before);
    // The menu bar lies above the client area, not over it.
    EXPECT_EQ(window().centralWidget()->y(), window().menuBar()->geometry().bottom() + 1);
}

TEST_F(WindowTest, TextControlsHaveTheirPlacesHintsAndFaces) {
    struct Box {
        const char* name;
        QRect geometry;
        const char* hint;
        const char* family;
        int pixels;
    };
    const Box boxes[] = {
        // The display's size is the largest at which its longest line fits
        // (measured with the real fonts in tests/field).
        {"RPNScreen", {7, 7, 371, 72}, "Calculator Stack", "MS Sans Serif", 0},
        {"NumberMemo", {7, 7, 20, 72}, "", nullptr, 0},
        {"InputEdit", {7, 78, 371, 21}, "Input", "MS Sans Serif", 10},
        {"StackMemo", {0, 0, 386, 262}, "", "MS Sans Serif", 10},
    };
    for (const Box& box : boxes) {
        SCOPED_TRACE(box.name);
        auto* w = window().findChild<QWidget*>(QString::fromLatin1(box.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), window().centralWidget());
        EXPECT_EQ(w->geometry(), box.geometry);
        EXPECT_EQ(w->toolTip(), QString::fromLatin1(box.hint));
        if (box.family)
            expectFont(w, box.family, box.pixels);
        // No context menu on the display, the level numbers and the input line.
        if (QLatin1String(box.name) != QLatin1String("StackMemo")) {
            EXPECT_EQ(w->contextMenuPolicy(), Qt::PreventContextMenu);
        }
    }
}

TEST_F(WindowTest, DisplayStartsEmptyWithLevelNumbersOverItsLeftEnd) {
    EXPECT_EQ(displayLines(), QStringList(5, QString()));
    EXPECT_EQ(display()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(display()->lineWrapMode(), QTextEdit::NoWrap);

    auto* numbers = window().findChild<QTextEdit*>(QStringLiteral("NumberMemo"));
    ASSERT_NE(numbers, nullptr);
    EXPECT_TRUE(numbers->isReadOnly());
    EXPECT_TRUE(numbers->isVisible());
    EXPECT_EQ(numbers->toPlainText(), QStringLiteral("5\n4\n3\n2\n1"));
    // Stacked above the display: a later sibling paints over an earlier one.
    const auto siblings = window().centralWidget()->children();
    EXPECT_GT(siblings.indexOf(numbers), siblings.indexOf(display()));
    EXPECT_EQ(numbers->viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(display()->viewport()->cursor().shape(), Qt::ArrowCursor);

    // Five lines fit without scrolling.
    EXPECT_LE(display()->document()->size().height(), display()->viewport()->height() + 0.5);
}

TEST_F(WindowTest, StackMemoIsHiddenAndCoversEverythingWhenShown) {
    QPlainTextEdit* memo = stackMemo();
    ASSERT_NE(memo, nullptr);
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    click({"ViewButton"});
    ASSERT_TRUE(memo->isVisible());
    // Every other control lies below it.
    const auto siblings = window().centralWidget()->children();
    for (QObject* child : siblings) {
        if (auto* w = qobject_cast<QWidget*>(child); w && w != memo) {
            EXPECT_LT(siblings.indexOf(w), siblings.indexOf(memo)) << w->objectName().toStdString();
        }
    }
}
