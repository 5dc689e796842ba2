#include "print/PageWriter.h"

namespace quarnel::print {

PageWriter::PageWriter(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device), metrics_(painter.font(), &device), width_(device.width()),
      height_(device.height()) {}

bool PageWriter::nextRowFits() const {
    return y_ + metrics_.lineSpacing() <= height_;
}

bool PageWriter::breakPage() {
    if (!device_.newPage()) {
        failed_ = true;
        return false;
    }
    ++page_;
    y_ = 0;
    rowsOnPage_ = 0;
    if (starter_)
        starter_(*this);
    return true;
}

void PageWriter::writeRow(const QString& row) {
    painter_.drawText(QPointF(0, y_ + metrics_.ascent()), row);
    y_ += metrics_.lineSpacing();
    ++rowsOnPage_;
}

QStringList PageWriter::rowsOf(const QString& line) const {
    QStringList rows;
    QString rest = line;
    while (metrics_.horizontalAdvance(rest) > width_) {
        // The longest prefix that fits; at least one character so that a
        // page narrower than a glyph still makes progress.
        qsizetype lo = 1;
        qsizetype hi = rest.size() - 1;
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (metrics_.horizontalAdvance(rest.left(mid)) <= width_)
                lo = mid;
            else
                hi = mid - 1;
        }
        rows.append(rest.left(lo));
        rest.remove(0, lo);
    }
    rows.append(rest);
    return rows;
}

bool PageWriter::writeLine(const QString& line) {
    if (failed_)
        return false;
    const QStringList rows = rowsOf(line);
    for (const QString& row : rows) {
        if (rowsOnPage_ > 0 && !nextRowFits() && !breakPage())
            return false;
        writeRow(row);
    }
    return true;
}

} // namespace quarnel::print
