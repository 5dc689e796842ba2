#pragma once

#include "ui/ListingText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <optional>
#include <utility>

class QTextLayout;

namespace quarnel::ui {

// The StackView box for a deep listing: an editable multi-line text box that
// lays out only the lines it shows. It takes keys, the mouse, the clipboard
// and the scroll bars as the plain text box does; its text belongs to the box
// alone (nothing written here reaches the calculator).
class ListingBox : public QAbstractScrollArea {
    Q_OBJECT
  public:
    using Position = ListingText::Position;

    explicit ListingBox(QWidget* parent = nullptr);

    // Shows the listing from its first line, caret at the start, nothing
    // selected.
    void setListing(calculator::StackListing listing);
    const ListingText& text() const { return text_; }

    Position caret() const { return caret_; }
    bool hasSelection() const { return anchor_ != caret_; }
    QString selectedText() const;
    void selectAll();
    // The first line shown at the top.
    qsizetype firstVisibleLine() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    enum class Move {
        Left,
        Right,
        Up,
        Down,
        WordLeft,
        WordRight,
        LineStart,
        LineEnd,
        Start,
        End,
        PageUp,
        PageDown
    };
    void layOut(QTextLayout& layout, const QString& line) const;
    int lineHeight() const;
    int topOf(qsizetype line) const; // in viewport coordinates
    int visibleLines() const;
    int pageLines(bool down) const; // how far PageUp and PageDown go
    Position positionAt(const QPoint& point) const;
    qreal xOf(Position position) const;
    Position moved(Position from, Move move) const;
    void moveCaret(Position to, bool select, bool keepX = false);
    void insert(const QString& text);
    void removeSelection();
    void copy() const;
    void cut();
    void paste();
    static std::optional<std::pair<Move, bool>> moveOf(const QKeyEvent* event);
    bool handlesShortcut(QKeyEvent* event) const;
    void updateScrollBars();
    void noteWidth(qreal width);
    void ensureCaretVisible();
    void restartBlink();

    ListingText text_;
    Position caret_;
    Position anchor_;
    qreal preferredX_ = -1; // where Up and Down aim, kept across short lines
    qreal widest_ = 0;      // the widest line laid out so far
    bool caretShown_ = false;
    QBasicTimer blink_;
};

} // namespace quarnel::ui
