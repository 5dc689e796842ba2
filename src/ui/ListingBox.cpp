#include "ui/ListingBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace quarnel::ui {

namespace {

// The plain text box keeps this much room around its text.
constexpr int kMargin = 4;
// Wide enough that no line ever wraps.
constexpr qreal kUnwrapped = 1 << 22;

} // namespace

ListingBox::ListingBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    updateScrollBars();
}

void ListingBox::setListing(calculator::StackListing listing) {
    text_.reset(std::move(listing));
    caret_ = anchor_ = {};
    preferredX_ = -1;
    widest_ = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QString ListingBox::selectedText() const {
    return text_.text(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

void ListingBox::selectAll() {
    anchor_ = {};
    caret_ = text_.end();
    ensureCaretVisible();
    viewport()->update();
}

qsizetype ListingBox::firstVisibleLine() const {
    return verticalScrollBar()->value();
}

// --- geometry -------------------------------------------------------------------

void ListingBox::layOut(QTextLayout& layout, const QString& line) const {
    layout.setText(line);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    textLine.setLineWidth(kUnwrapped);
    layout.endLayout();
}

int ListingBox::lineHeight() const {
    return std::max(1, static_cast<int>(std::ceil(QFontMetricsF(font()).height())));
}

int ListingBox::topOf(qsizetype line) const {
    const qsizetype first = firstVisibleLine();
    return static_cast<int>(line - first) * lineHeight() + (first == 0 ? kMargin : 0);
}

int ListingBox::visibleLines() const {
    return std::max(1, (viewport()->height() - kMargin) / lineHeight());
}

int ListingBox::pageLines(bool down) const {
    // Down brings the first line not shown whole to the top; the top margin
    // only stands above the first line.
    const bool atTop = down && firstVisibleLine() == 0;
    return std::max(1, (viewport()->height() - (atTop ? kMargin : 0)) / lineHeight());
}

ListingBox::Position ListingBox::positionAt(const QPoint& point) const {
    const qsizetype first = firstVisibleLine();
    const int top = first == 0 ? kMargin : 0;
    const int offset = point.y() - top;
    qsizetype line = first + (offset < 0 ? -1 : offset / lineHeight());
    line = std::clamp<qsizetype>(line, 0, text_.lineCount() - 1);
    QTextLayout layout;
    layOut(layout, text_.line(line));
    const qreal x = point.x() + horizontalScrollBar()->value() - kMargin;
    return {line, layout.lineAt(0).xToCursor(x)};
}

qreal ListingBox::xOf(Position position) const {
    QTextLayout layout;
    layOut(layout, text_.line(position.line));
    return layout.lineAt(0).cursorToX(static_cast<int>(position.column));
}

void ListingBox::updateScrollBars() {
    const qsizetype shown = visibleLines();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, static_cast<int>(std::max<qsizetype>(0, text_.lineCount() - shown)));
    vertical->setPageStep(static_cast<int>(shown));
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = static_cast<int>(std::ceil(widest_)) + 2 * kMargin + 1;
    horizontal->setRange(0, std::max(0, width - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(std::max(1, QFontMetrics(font()).averageCharWidth() * 2));
}

void ListingBox::noteWidth(qreal width) {
    // Only the lines laid out so far are measured, so the horizontal range
    // grows as wider lines come into view.
    if (width > widest_) {
        widest_ = width;
        updateScrollBars();
    }
}

void ListingBox::ensureCaretVisible() {
    QScrollBar* vertical = verticalScrollBar();
    const qsizetype shown = visibleLines();
    if (caret_.line < vertical->value())
        vertical->setValue(static_cast<int>(caret_.line));
    else if (caret_.line >= vertical->value() + shown)
        vertical->setValue(static_cast<int>(caret_.line - shown + 1));

    QTextLayout layout;
    layOut(layout, text_.line(caret_.line));
    noteWidth(layout.lineAt(0).naturalTextWidth());
    const int x = static_cast<int>(layout.lineAt(0).cursorToX(static_cast<int>(caret_.column)));
    QScrollBar* horizontal = horizontalScrollBar();
    const int room = viewport()->width() - 2 * kMargin;
    if (x < horizontal->value())
        horizontal->setValue(x);
    else if (x > horizontal->value() + room)
        horizontal->setValue(x - room);
}

// --- painting -------------------------------------------------------------------

void ListingBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const Position from = std::min(anchor_, caret_);
    const Position to = std::max(anchor_, caret_);
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    const qreal left = kMargin - horizontalScrollBar()->value();
    qreal widest = widest_;
    for (qsizetype n = firstVisibleLine(); n < text_.lineCount(); ++n) {
        const int top = topOf(n);
        if (top >= viewport()->height())
            break;
        const QString line = text_.line(n);
        QTextLayout layout;
        layOut(layout, line);
        widest = std::max(widest, layout.lineAt(0).naturalTextWidth());
        QList<QTextLayout::FormatRange> selections;
        if (from != to && from.line <= n && n <= to.line) {
            const qsizetype start = n == from.line ? from.column : 0;
            const qsizetype end = n == to.line ? to.column : line.size();
            if (end > start)
                selections.append(
                    {static_cast<int>(start), static_cast<int>(end - start), selected});
        }
        layout.draw(&painter, QPointF(left, top), selections);
        if (n == caret_.line && caretShown_ && hasFocus())
            layout.drawCursor(&painter, QPointF(left, top), static_cast<int>(caret_.column), 1);
    }
    painter.end();
    noteWidth(widest);
}

void ListingBox::scrollContentsBy(int, int) {
    viewport()->update();
}

void ListingBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListingBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest_ = 0;
        updateScrollBars();
        viewport()->update();
    }
}

// --- caret and editing ----------------------------------------------------------

ListingBox::Position ListingBox::moved(Position from, Move move) const {
    const QString line = text_.line(from.line);
    const qsizetype last = text_.lineCount() - 1;
    const auto atX = [this](qsizetype n, qreal x) {
        QTextLayout layout;
        layOut(layout, text_.line(n));
        return Position{n, layout.lineAt(0).xToCursor(x)};
    };
    const auto word = [&](bool forward) {
        QTextLayout layout;
        layOut(layout, line);
        const int column = static_cast<int>(from.column);
        return forward ? layout.nextCursorPosition(column, QTextLayout::SkipWords)
                       : layout.previousCursorPosition(column, QTextLayout::SkipWords);
    };
    switch (move) {
    case Move::Left:
        if (from.column > 0)
            return {from.line, from.column - 1};
        return from.line > 0 ? Position{from.line - 1, text_.line(from.line - 1).size()} : from;
    case Move::Right:
        if (from.column < line.size())
            return {from.line, from.column + 1};
        return from.line < last ? Position{from.line + 1, 0} : from;
    case Move::WordLeft:
        if (from.column > 0)
            return {from.line, word(false)};
        return moved(from, Move::Left);
    case Move::WordRight:
        if (from.column < line.size())
            return {from.line, word(true)};
        return moved(from, Move::Right);
    case Move::Up:
        return from.line > 0 ? atX(from.line - 1, preferredX_) : from;
    case Move::Down:
        return from.line < last ? atX(from.line + 1, preferredX_) : from;
    case Move::PageUp:
        return atX(std::max<qsizetype>(0, from.line - pageLines(false)), preferredX_);
    case Move::PageDown:
        return atX(std::min(last, from.line + pageLines(true)), preferredX_);
    case Move::LineStart:
        return {from.line, 0};
    case Move::LineEnd:
        return {from.line, line.size()};
    case Move::Start:
        return {};
    case Move::End:
        return text_.end();
    }
    return from;
}

void ListingBox::moveCaret(Position to, bool select, bool keepX) {
    caret_ = to;
    if (!select)
        anchor_ = to;
    if (!keepX)
        preferredX_ = -1;
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
}

void ListingBox::insert(const QString& text) {
    const Position at = text_.replace(std::min(anchor_, caret_), std::max(anchor_, caret_), text);
    updateScrollBars();
    moveCaret(at, false);
}

void ListingBox::removeSelection() {
    if (hasSelection())
        insert(QString());
}

void ListingBox::copy() const {
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void ListingBox::cut() {
    copy();
    removeSelection();
}

void ListingBox::paste() {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!pasted.isEmpty())
        insert(pasted);
}

namespace {

bool typesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() || c == QLatin1Char('\t'); });
}

} // namespace

std::optional<std::pair<ListingBox::Move, bool>> ListingBox::moveOf(const QKeyEvent* event) {
    using K = QKeySequence;
    static constexpr struct {
        K::StandardKey move, select;
        Move to;
    } kKeys[] = {
        {K::MoveToNextChar, K::SelectNextChar, Move::Right},
        {K::MoveToPreviousChar, K::SelectPreviousChar, Move::Left},
        {K::MoveToPreviousLine, K::SelectPreviousLine, Move::Up},
        {K::MoveToNextLine, K::SelectNextLine, Move::Down},
        {K::MoveToPreviousWord, K::SelectPreviousWord, Move::WordLeft},
        {K::MoveToNextWord, K::SelectNextWord, Move::WordRight},
        {K::MoveToStartOfLine, K::SelectStartOfLine, Move::LineStart},
        {K::MoveToEndOfLine, K::SelectEndOfLine, Move::LineEnd},
        {K::MoveToStartOfDocument, K::SelectStartOfDocument, Move::Start},
        {K::MoveToEndOfDocument, K::SelectEndOfDocument, Move::End},
        {K::MoveToPreviousPage, K::SelectPreviousPage, Move::PageUp},
        {K::MoveToNextPage, K::SelectNextPage, Move::PageDown},
    };
    for (const auto& row : kKeys) {
        if (event->matches(row.move))
            return std::pair{row.to, false};
        if (event->matches(row.select))
            return std::pair{row.to, true};
    }
    return std::nullopt;
}

bool ListingBox::handlesShortcut(QKeyEvent* event) const {
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
          QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord}) {
        if (event->matches(key))
            return true;
    }
    return moveOf(event).has_value() || typesText(event) || event->key() == Qt::Key_Backspace;
}

bool ListingBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handlesShortcut(key)) {
            key->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        // Tab types a tab character here, as it does in the plain text box.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ListingBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace ||
               event->matches(QKeySequence::DeleteStartOfWord) ||
               event->matches(QKeySequence::DeleteEndOfWord)) {
        if (!hasSelection()) {
            const bool back = event->key() == Qt::Key_Backspace ||
                              event->matches(QKeySequence::DeleteStartOfWord);
            const bool word = event->matches(QKeySequence::DeleteStartOfWord) ||
                              event->matches(QKeySequence::DeleteEndOfWord);
            anchor_ = moved(caret_, back ? (word ? Move::WordLeft : Move::Left)
                                         : (word ? Move::WordRight : Move::Right));
        }
        removeSelection();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        insert(QStringLiteral("\n"));
    } else if (typesText(event)) {
        insert(event->text());
    } else {
        if (const auto keyMove = moveOf(event)) {
            const auto [move, select] = *keyMove;
            const bool vertical = move == Move::Up || move == Move::Down || move == Move::PageUp ||
                                  move == Move::PageDown;
            if (vertical && preferredX_ < 0)
                preferredX_ = xOf(caret_);
            const Position to = moved(caret_, move);
            if (move == Move::PageUp || move == Move::PageDown) {
                // The page scrolls with the caret, as in the plain text box.
                QScrollBar* bar = verticalScrollBar();
                const int step = pageLines(move == Move::PageDown);
                bar->setValue(bar->value() + (move == Move::PageDown ? step : -step));
            }
            moveCaret(to, select, vertical);
            return;
        }
        event->ignore();
        return;
    }
    event->accept();
}

// --- mouse ------------------------------------------------------------------------

void ListingBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    moveCaret(positionAt(event->position().toPoint()),
              event->modifiers().testFlag(Qt::ShiftModifier));
}

void ListingBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton))
        moveCaret(positionAt(event->position().toPoint()), true);
}

void ListingBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Position at = positionAt(event->position().toPoint());
    const QString line = text_.line(at.line);
    const auto inWord = [&line](qsizetype i) {
        return i >= 0 && i < line.size() && line.at(i).isLetterOrNumber();
    };
    qsizetype start = at.column;
    qsizetype end = at.column;
    while (inWord(start - 1))
        --start;
    while (inWord(end))
        ++end;
    anchor_ = {at.line, start};
    moveCaret({at.line, end}, true);
}

void ListingBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool selection = hasSelection();
    menu.addAction(tr("Cu&t"), QKeySequence::Cut, this, &ListingBox::cut)->setEnabled(selection);
    menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &ListingBox::copy)->setEnabled(selection);
    menu.addAction(tr("&Paste"), QKeySequence::Paste, this, &ListingBox::paste)
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    menu.addAction(tr("Delete"), this, &ListingBox::removeSelection)->setEnabled(selection);
    menu.addSeparator();
    menu.addAction(tr("Select All"), QKeySequence::SelectAll, this, &ListingBox::selectAll);
    menu.exec(event->globalPos());
}

// --- focus and caret blink -------------------------------------------------------

void ListingBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void ListingBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    caretShown_ = false;
    viewport()->update();
}

void ListingBox::restartBlink() {
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0 && hasFocus())
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

void ListingBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update();
}

} // namespace quarnel::ui
