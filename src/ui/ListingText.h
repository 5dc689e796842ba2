#pragma once

#include "calculator/StackListing.h"

#include <QString>
#include <QStringList>

#include <compare>
#include <vector>

namespace quarnel::ui {

// The text of a StackView box over a deep listing: the listing's lines, read
// from it only when asked for, with the user's edits kept as lines of their
// own. The text is a run of segments, each either a range of listing lines
// or a list of edited lines, so an edit costs in proportion to the lines it
// touches and the number of segments, never to the listing's length.
class ListingText {
  public:
    struct Position {
        qsizetype line = 0;
        qsizetype column = 0;
        friend auto operator<=>(const Position&, const Position&) = default;
    };

    ListingText();
    // Starts over on the listing; an empty listing gives one empty line.
    void reset(calculator::StackListing listing);

    qsizetype lineCount() const { return lineCount_; }
    QString line(qsizetype n) const;
    // The text between two positions (from <= to), lines joined by '\n'.
    QString text(Position from, Position to) const;
    Position end() const;
    // Replaces the text between from and to (from <= to) with `text`, whose
    // line breaks ("\n", "\r\n" or "\r") start new lines. Returns the position
    // just after the inserted text.
    Position replace(Position from, Position to, const QString& text);

    // How many segments make up the text (for the tests: edits must not
    // fragment it without bound).
    std::size_t segmentCount() const { return segments_.size(); }

  private:
    struct Segment {
        qsizetype count = 0;
        qsizetype first = 0; // first listing line, when not edited
        bool edited = false;
        QStringList lines; // the lines, when edited
    };
    std::size_t segmentAt(qsizetype n) const;
    // Makes line n the first line of a segment; returns that segment's index
    // (segments_.size() when n is the line count).
    std::size_t splitAt(qsizetype n);
    void replaceLines(qsizetype from, qsizetype to, QStringList lines);
    void recount();

    calculator::StackListing listing_;
    std::vector<Segment> segments_;
    std::vector<qsizetype> starts_; // first line of each segment
    qsizetype lineCount_ = 0;
};

} // namespace quarnel::ui
