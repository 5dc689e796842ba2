#include "ui/ListingText.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quarnel::ui {

ListingText::ListingText() {
    reset({});
}

void ListingText::reset(calculator::StackListing listing) {
    listing_ = std::move(listing);
    segments_.clear();
    if (listing_.empty())
        segments_.push_back(Segment{1, 0, true, {QString()}});
    else
        segments_.push_back(Segment{static_cast<qsizetype>(listing_.size()), 0, false, {}});
    recount();
}

void ListingText::recount() {
    starts_.resize(segments_.size());
    qsizetype start = 0;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        starts_[i] = start;
        start += segments_[i].count;
    }
    lineCount_ = start;
}

std::size_t ListingText::segmentAt(qsizetype n) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), n);
    return static_cast<std::size_t>(std::distance(starts_.begin(), after)) - 1;
}

QString ListingText::line(qsizetype n) const {
    if (n < 0 || n >= lineCount_)
        return {};
    const std::size_t s = segmentAt(n);
    const Segment& segment = segments_[s];
    const qsizetype offset = n - starts_[s];
    if (segment.edited)
        return segment.lines.at(offset);
    return QString::fromStdString(listing_.line(static_cast<std::size_t>(segment.first + offset)));
}

ListingText::Position ListingText::end() const {
    return {lineCount_ - 1, line(lineCount_ - 1).size()};
}

QString ListingText::text(Position from, Position to) const {
    if (from.line == to.line)
        return line(from.line).mid(from.column, to.column - from.column);
    QString result = line(from.line).mid(from.column);
    for (qsizetype n = from.line + 1; n < to.line; ++n) {
        result += QLatin1Char('\n');
        result += line(n);
    }
    result += QLatin1Char('\n');
    result += line(to.line).left(to.column);
    return result;
}

std::size_t ListingText::splitAt(qsizetype n) {
    if (n >= lineCount_)
        return segments_.size();
    const std::size_t s = segmentAt(n);
    const qsizetype offset = n - starts_[s];
    if (offset == 0)
        return s;
    Segment& head = segments_[s];
    Segment tail{head.count - offset, head.first + offset, head.edited, {}};
    if (head.edited) {
        tail.lines = head.lines.mid(offset);
        head.lines.resize(offset);
    }
    head.count = offset;
    segments_.insert(segments_.begin() + static_cast<std::ptrdiff_t>(s) + 1, std::move(tail));
    recount();
    return s + 1;
}

void ListingText::replaceLines(qsizetype from, qsizetype to, QStringList lines) {
    const std::size_t first = splitAt(from);
    const std::size_t last = splitAt(to);
    auto at = segments_.erase(segments_.begin() + static_cast<std::ptrdiff_t>(first),
                              segments_.begin() + static_cast<std::ptrdiff_t>(last));
    // Edited lines next to each other stay one segment, so that typing along
    // many lines does not leave a segment behind per keystroke.
    if (at != segments_.begin() && std::prev(at)->edited) {
        at = std::prev(at);
        lines = at->lines + lines;
        at = segments_.erase(at);
    }
    if (at != segments_.end() && at->edited) {
        lines += at->lines;
        at = segments_.erase(at);
    }
    const auto count = lines.size();
    segments_.insert(at, Segment{count, 0, true, std::move(lines)});
    recount();
}

ListingText::Position ListingText::replace(Position from, Position to, const QString& text) {
    QString inserted = text;
    inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    inserted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString before = line(from.line).left(from.column);
    const QString after = line(to.line).mid(to.column);
    QStringList lines = (before + inserted + after).split(QLatin1Char('\n'));
    const Position caret{from.line + lines.size() - 1, lines.last().size() - after.size()};
    replaceLines(from.line, to.line + 1, std::move(lines));
    return caret;
}

} // namespace quarnel::ui
