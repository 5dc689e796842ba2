#include "print/ListingPrinter.h"

#include "PdfReader.h"
#include "print/PageHeader.h"

#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace quarnel::print {

const QLocale kLocale(QLocale::German, QLocale::Germany);

// Prints in the font; the clock advances a second per header, so each shows when it was written.
static PrintResult print(const QStringList& lines, const QString& path, const char* family,
                         std::vector<QDateTime>* moments = nullptr, PrintOptions options = {}) {
    QPrinter printer(QPrinter::HighResolution);
    test::toPdf(printer, path);
    options.locale = kLocale;
    std::vector<QDateTime> unused;
    options.clock = [times = moments ? moments : &unused] {
        const QDateTime start(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
        return times->emplace_back(start.addSecs(static_cast<qint64>(times->size())));
    };
    PrintStyle style{QFont(QString::fromLatin1(family))};
    style.font.setPixelSize(11);
    return printListing(printer, lines, style, options);
}

// Each page repeats the header with its number and time; a line wider than the paper goes on
// over the next rows; no line is lost or repeated across the breaks; the display font is used.
TEST(ListingPrinter, PagesRepeatTheHeaderAndKeepEveryLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.pdf"));
    QStringList lines;
    for (int level = 250; level >= 1; --level)
        lines.append(QStringLiteral("%1: %2").arg(level).arg(level * 7919));
    lines[100] += QStringLiteral("0123456789").repeated(32);
    std::vector<QDateTime> moments;
    const PrintResult result = print(lines, path, "DejaVu Serif", &moments);
    ASSERT_EQ(result.status, PrintStatus::Printed) << result.errorMessage.toStdString();
    QString error;
    const auto pages = test::readPdfPages(path, &error);
    ASSERT_GE(pages.size(), 3u) << error.toStdString();
    EXPECT_EQ(result.pages, static_cast<int>(pages.size()));
    ASSERT_EQ(moments.size(), pages.size()) << "one fresh time per page header";
    QStringList rows;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QString title = pageHeader(moments[i], static_cast<int>(i) + 1, kLocale)[1];
        EXPECT_EQ(QString(pages[i][0]).remove(' '), title.remove(' ')) << "page " << i + 1;
        rows += test::pageBody(pages[i]);
    }
    EXPECT_EQ(rows.join(QString()), lines.join(QString()));
    EXPECT_TRUE(test::runPdfTool("pdffonts", {path}, &error).contains("DejaVuSerif"));
}

// Progress counts up and can cancel; output that cannot be written fails with a message.
TEST(ListingPrinter, ProgressCancelAndFailure) {
    QTemporaryDir dir;
    const QStringList lines(1000, QStringLiteral("1: 1"));
    for (const bool cancel : {false, true}) {
        std::vector<qsizetype> calls;
        PrintOptions options;
        options.progressInterval = 100;
        options.progress = [&](qsizetype done, qsizetype total) {
            EXPECT_TRUE(total == lines.size() && (calls.empty() || done > calls.back()));
            calls.push_back(done);
            return !(cancel && done >= 300);
        };
        const PrintResult result =
            print(lines, dir.filePath("p.pdf"), "DejaVu Sans", nullptr, options);
        EXPECT_EQ(result.status, cancel ? PrintStatus::Cancelled : PrintStatus::Printed);
        EXPECT_TRUE(calls.back() == (cancel ? 300 : 1000) && (cancel || calls.size() == 11u));
    }
    const PrintResult failed = print(lines, "/nonexistent/folder/p.pdf", "DejaVu Sans");
    EXPECT_TRUE(failed.status == PrintStatus::Failed && !failed.errorMessage.isEmpty() &&
                failed.pages == 0);
}

} // namespace quarnel::print
