#pragma once

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>

namespace quarnel::print {

// Writes text line by line down a paged device, the way a text printer does:
// each line one line height below the previous one at the left edge of the
// printable area, and a new page when the next line would pass the bottom.
// A line wider than the page continues on the following rows, so nothing is
// cut off at the right edge.
class PageWriter {
  public:
    // Runs on every page the writer starts by itself, before the line that
    // caused the break; the page header is written from here.
    using PageStarter = std::function<void(PageWriter&)>;

    // The painter must be active on the device with the printing font set.
    PageWriter(QPainter& painter, QPagedPaintDevice& device);

    void setPageStarter(PageStarter starter) { starter_ = std::move(starter); }

    // Writes one line, breaking to a new page first if it would not fit.
    // Returns false once the device has refused a new page.
    bool writeLine(const QString& line);

    // Writes one row where the writer stands, without looking for a page
    // break; for the rows a page starter puts at the top of a page.
    void writeRow(const QString& row);

    int pageNumber() const { return page_; }
    bool failed() const { return failed_; }

    // The rows a line is cut into so that each fits the printable width.
    QStringList rowsOf(const QString& line) const;

  private:
    bool nextRowFits() const;
    bool breakPage();

    QPainter& painter_;
    QPagedPaintDevice& device_;
    QFontMetricsF metrics_;
    qreal width_;
    qreal height_;
    qreal y_ = 0;
    int rowsOnPage_ = 0;
    int page_ = 1;
    bool failed_ = false;
    PageStarter starter_;
};

} // namespace quarnel::print
