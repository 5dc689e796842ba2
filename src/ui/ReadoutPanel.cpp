#include "ui/ReadoutPanel.h"

#include "calculator/Calculator.h"
#include "ui/Fonts.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include <array>

namespace quarnel::ui {

namespace {

constexpr int kMargin = 4;
constexpr int kLineHeight = 14;
constexpr int kCaptionWidth = 44;
constexpr int kTextRows = 10; // HEX, DEC, OCT, BIN (4), Signed, two lines of counts
constexpr int kBinRows = 4;

// The grid: cells of 9 x 11 pixels, a small gap inside a byte between its
// nibbles and a wider one between bytes, the row's highest and lowest bit
// numbers at its ends.
constexpr int kCellWidth = 9;
constexpr int kCellHeight = 11;
constexpr int kRowPitch = 13;
constexpr int kNibbleGap = 2;
constexpr int kByteGap = 6;
constexpr int kNumberWidth = 20;
constexpr int kGridWidth = ReadoutPanel::kWidth - 2 * kMargin;
constexpr int kGridHeight = ReadoutPanel::kGridRows * kRowPitch;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

class BitGrid : public QWidget {
  public:
    explicit BitGrid(ReadoutPanel* panel) : QWidget(panel), panel_(panel) {
        setObjectName(QStringLiteral("ReadoutBits"));
        setFixedSize(kGridWidth, kGridHeight);
        setCursor(Qt::PointingHandCursor);
    }

    void setValue(std::string bits, bool hasValue, int wordSize) {
        bits_ = std::move(bits);
        hasValue_ = hasValue;
        wordSize_ = wordSize;
        update();
    }

    QRect cell(int bit) const {
        if (bit < 0 || bit >= wordSize_)
            return {};
        const int row = kGridRowsFor(wordSize_) - 1 - bit / ReadoutPanel::kBitsPerRow;
        const int column = ReadoutPanel::kBitsPerRow - 1 - bit % ReadoutPanel::kBitsPerRow;
        const int bytesBefore = column / 8;
        const int nibblesBefore = column / 4 - bytesBefore;
        const int x = kNumberWidth + 2 + column * kCellWidth + bytesBefore * kByteGap +
                      nibblesBefore * kNibbleGap;
        return {x, row * kRowPitch, kCellWidth - 1, kCellHeight};
    }

    bool bitSet(int bit) const {
        const auto size = static_cast<int>(bits_.size());
        return hasValue_ && bit < size && bits_[static_cast<std::size_t>(size - 1 - bit)] == '1';
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor ink = palette().color(QPalette::WindowText);
        const QColor paper = palette().color(QPalette::Window);
        QFont numbers = font();
        numbers.setPixelSize(8);
        // The three looks of a cell are drawn once and then copied: text
        // drawn cell by cell costs most of the readout's redraw.
        const std::array<QPixmap, 3>& looks = cellLooks(ink, paper);
        for (int bit = 0; bit < wordSize_; ++bit) {
            const std::size_t look = !hasValue_ ? 2 : bitSet(bit) ? 1 : 0;
            painter.drawPixmap(cell(bit).topLeft(), looks[look]);
        }
        // Each row's highest bit number at its left, lowest at its right.
        painter.setFont(numbers);
        painter.setPen(ink);
        for (int low = 0; low < wordSize_; low += ReadoutPanel::kBitsPerRow) {
            const int high = std::min(low + ReadoutPanel::kBitsPerRow, wordSize_) - 1;
            const QRect highCell = cell(high);
            const QRect lowCell = cell(low);
            painter.drawText(QRect(highCell.left() - kNumberWidth - 2, highCell.top(), kNumberWidth,
                                   kCellHeight),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(high));
            painter.drawText(QRect(lowCell.right() + 3, lowCell.top(), kNumberWidth, kCellHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::number(low));
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton)
            return;
        if (const int bit = bitAt(event->position().toPoint()); bit >= 0)
            emit panel_->bitClicked(bit);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const int bit = bitAt(help->pos());
            if (bit >= 0)
                QToolTip::showText(help->globalPos(), QStringLiteral("Bit %1").arg(bit), this);
            else
                QToolTip::hideText();
            return true;
        }
        return QWidget::event(event);
    }

  private:
    // A cell holding 0, 1, and one without a value.
    const std::array<QPixmap, 3>& cellLooks(const QColor& ink, const QColor& paper) {
        if (looksInk_ == ink && looksPaper_ == paper && looksFont_ == font() &&
            looksRatio_ == devicePixelRatioF())
            return looks_;
        looksInk_ = ink;
        looksPaper_ = paper;
        looksFont_ = font();
        looksRatio_ = devicePixelRatioF();
        QFont digits = font();
        digits.setPixelSize(9);
        const QRect r(0, 0, kCellWidth - 1, kCellHeight);
        for (std::size_t look = 0; look < looks_.size(); ++look) {
            QPixmap pixmap(r.size() * looksRatio_);
            pixmap.setDevicePixelRatio(looksRatio_);
            pixmap.fill(paper);
            QPainter painter(&pixmap);
            const bool set = look == 1;
            painter.setPen(ink);
            painter.setBrush(set ? ink : paper);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            if (look != 2) {
                painter.setFont(digits);
                painter.setPen(set ? paper : ink);
                painter.drawText(r, Qt::AlignCenter,
                                 set ? QStringLiteral("1") : QStringLiteral("0"));
            }
            looks_[look] = pixmap;
        }
        return looks_;
    }

    static int kGridRowsFor(int wordSize) {
        return (wordSize + ReadoutPanel::kBitsPerRow - 1) / ReadoutPanel::kBitsPerRow;
    }

    int bitAt(const QPoint& at) const {
        for (int bit = 0; bit < wordSize_; ++bit) {
            if (cell(bit).contains(at))
                return bit;
        }
        return -1;
    }

    ReadoutPanel* panel_;
    std::array<QPixmap, 3> looks_;
    QColor looksInk_, looksPaper_;
    QFont looksFont_;
    qreal looksRatio_ = 0;
    std::string bits_;
    bool hasValue_ = false;
    int wordSize_ = calculator::kDefaultWordSize;
};

ReadoutPanel::ReadoutPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ReadoutPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    hex_ = addLine("HEX", "ReadoutHex", 0);
    dec_ = addLine("DEC", "ReadoutDec", 1);
    oct_ = addLine("OCT", "ReadoutOct", 2);
    bin_ = addLine("BIN", "ReadoutBin", 3, kBinRows);
    signed_ = addLine("Signed", "ReadoutSigned", 3 + kBinRows);
    sizes_ = addLine(nullptr, "ReadoutSizes", 4 + kBinRows);
    counts_ = addLine(nullptr, "ReadoutCounts", 5 + kBinRows);
    grid_ = new BitGrid(this);
    grid_->move(kMargin, kMargin + kTextRows * kLineHeight + kMargin);
    setFixedSize(kWidth, grid_->geometry().bottom() + 1 + kMargin);
}

QLabel* ReadoutPanel::addLine(const char* caption, const char* objectName, int row, int rows) {
    const int top = kMargin + row * kLineHeight;
    int left = kMargin;
    if (caption != nullptr) {
        auto* name = new QLabel(QString::fromLatin1(caption), this);
        name->setGeometry(left, top, kCaptionWidth, kLineHeight);
        left += kCaptionWidth;
    }
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setGeometry(left, top, kWidth - kMargin - left, rows * kLineHeight);
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    value->setWordWrap(rows > 1);
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setCursor(Qt::IBeamCursor);
    return value;
}

void ReadoutPanel::setColours(const QColor& background, const QColor& text) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Text, text);
    setPalette(colours);
}

void ReadoutPanel::setDisplayFont(const QFont& font) {
    // The longest line (a 128-bit value in OCT, 43 digits) stands whole.
    const int valueWidth = kWidth - 2 * kMargin - kCaptionWidth;
    QFont face = fontWithFallback(font.family(), 11);
    face = fittedFont(face, QString(43, QLatin1Char('8')), valueWidth);
    face = fittedFont(face, QStringLiteral("8888 8888 8888 8888 8888 8888 8888 8888"), valueWidth);
    setFont(face);
}

void ReadoutPanel::showReadout(const std::optional<calculator::Readout>& readout, int wordSize) {
    if (!readout) {
        for (QLabel* line : {hex_, dec_, oct_, bin_, signed_, sizes_, counts_})
            line->clear();
        grid_->setValue({}, false, wordSize);
        return;
    }
    const calculator::Readout& r = *readout;
    hex_->setText(fromStd(r.hex));
    dec_->setText(fromStd(r.dec));
    oct_->setText(fromStd(r.oct));
    // One line per 32 bits, as the grid's rows.
    QString bin = groupedBits(r.bin);
    for (qsizetype at = bin.size() - 40; at > 0; at -= 40)
        bin[at] = QLatin1Char('\n');
    bin_->setText(bin);
    signed_->setText(fromStd(r.signedDec));
    sizes_->setText(QStringLiteral("Word size: %1    Base: %2    Set bits: %3")
                        .arg(r.wordSize)
                        .arg(QString::fromLatin1(calculator::Calculator::baseName(r.base)))
                        .arg(r.setBits));
    counts_->setText(QStringLiteral("Leading zeros: %1    Trailing zeros: %2")
                         .arg(r.leadingZeros)
                         .arg(r.trailingZeros));
    grid_->setValue(r.bin, true, r.wordSize);
}

QWidget* ReadoutPanel::bitGrid() const {
    return grid_;
}

QRect ReadoutPanel::bitRect(int bit) const {
    return grid_->cell(bit);
}

QString ReadoutPanel::groupedBits(const std::string& bits) {
    QString grouped;
    const auto size = static_cast<qsizetype>(bits.size());
    for (qsizetype i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 4 == 0)
            grouped += QLatin1Char(' ');
        grouped += QLatin1Char(bits[static_cast<std::size_t>(i)]);
    }
    return grouped;
}

} // namespace quarnel::ui
