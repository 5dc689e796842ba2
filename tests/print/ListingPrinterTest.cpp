#include "print/ListingPrinter.h"

#include "PdfReader.h"
#include "print/PageHeader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace quarnel::print {
namespace {

using test::PdfPage;
using test::squeezed;

const QString kRule(79, QLatin1Char('-'));
const QLocale kLocale(QLocale::German, QLocale::Germany);
const QDateTime kStart(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

// The title line as it should read for a page and a moment.
QString title(const QDateTime& when, int page) {
    return QStringLiteral("Contents of QUARNEL stack [ ") + headerTimestamp(when, kLocale) +
           QStringLiteral(" ] Page") + QString::number(page);
}

QFont displayFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

class ListingPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString pdfPath(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A printer writing a PDF file, as the tests' stand-in for paper.
    static void toPdf(QPrinter& printer, const QString& path) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    // Prints and reads the pages back; the clock advances one second per call
    // so that every header shows when it was written.
    std::vector<PdfPage> printAndRead(const QStringList& lines, PrintResult* result = nullptr,
                                      QFont font = displayFont(),
                                      std::vector<QDateTime>* moments = nullptr) {
        const QString path = pdfPath("listing.pdf");
        QFile::remove(path);
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, path);
        PrintOptions options;
        options.locale = kLocale;
        int ticks = 0;
        options.clock = [&] {
            const QDateTime t = kStart.addSecs(ticks++);
            if (moments)
                moments->push_back(t);
            return t;
        };
        PrintStyle style;
        style.font = font;
        const PrintResult r = printListing(printer, lines, style, options);
        if (result)
            *result = r;
        EXPECT_EQ(r.status, PrintStatus::Printed) << r.errorMessage.toStdString();
        QString error;
        auto pages = test::readPdfPages(path, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return pages;
    }

    QTemporaryDir dir_;
};

// Splits a page into its header (the lines up to the rule) and its body.
struct PageParts {
    QStringList header;
    QStringList body;
};

PageParts split(const PdfPage& page) {
    PageParts parts;
    qsizetype i = 0;
    for (; i < page.size(); ++i) {
        if (!page[i].trimmed().isEmpty())
            parts.header.append(squeezed(page[i]));
        if (page[i].trimmed() == kRule) {
            ++i;
            break;
        }
    }
    for (; i < page.size(); ++i)
        parts.body.append(page[i].trimmed());
    return parts;
}

// The blank first header line holds one row free above the title: the title
// stands as far below the top of the printable area as the rule stands below
// the title.
TEST_F(ListingPrinterTest, TitleStandsOneRowBelowTheTop) {
    printAndRead({QStringLiteral("1: 1")});
    QString error;
    const auto words = test::readPdfWords(pdfPath("listing.pdf"), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const auto find = [&](const QString& text) {
        for (const auto& w : words)
            if (w.text == text)
                return w.top;
        ADD_FAILURE() << "no word " << text.toStdString();
        return 0.0;
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const double areaTop = printer.pageLayout().paintRectPoints().top();
    const double titleTop = find(QStringLiteral("Contents"));
    const double row = find(kRule) - titleTop;
    ASSERT_GT(row, 0);
    EXPECT_NEAR(titleTop - areaTop, row, row * 0.25);
}

struct ListingCase {
    const char* name;
    QStringList lines;
};

class ListingContent : public ListingPrinterTest,
                       public ::testing::WithParamInterface<ListingCase> {};

// Every listing line comes out once, in order, and whole; an empty listing
// still gives one page with the header.
TEST_P(ListingContent, LinesFollowTheHeaderInOrder) {
    PrintResult result;
    const auto pages = printAndRead(GetParam().lines, &result);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(result.pages, 1);
    const PageParts parts = split(pages[0]);
    EXPECT_EQ(parts.header, QStringList({squeezed(title(kStart, 1)), kRule}));
    EXPECT_EQ(parts.body, GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Listings, ListingContent, ::testing::Values(
    ListingCase{"empty", {}},
    ListingCase{"longerThanTheDisplay", {"1111000011110000111100001111000011110000111100001111000011110000",
                                         "340282366920938463463374607431768211455"}},
    ListingCase{"numberedLong", {"2: FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0123456789ABCDEF0123456789ABCDEF", "1: 0"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A long listing repeats the header on every page with that page's number and
// the time it was written, and loses or repeats no line across the breaks.
TEST_F(ListingPrinterTest, LongListingRepeatsTheHeaderOnEveryPage) {
    QStringList lines;
    for (int level = 250; level >= 1; --level)
        lines.append(QStringLiteral("%1: %2").arg(level).arg(level * 7919));
    std::vector<QDateTime> moments;
    PrintResult result;
    const auto pages = printAndRead(lines, &result, displayFont(), &moments);

    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(result.pages, static_cast<int>(pages.size()));
    ASSERT_EQ(moments.size(), pages.size()) << "one fresh time per page header";

    QStringList printed;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PageParts parts = split(pages[i]);
        const int page = static_cast<int>(i) + 1;
        EXPECT_EQ(parts.header, QStringList({squeezed(title(moments[i], page)), kRule}))
            << "page " << page;
        EXPECT_FALSE(parts.body.isEmpty()) << "page " << page;
        printed += parts.body;
        // Full pages hold the same number of lines; only the last may be short.
        if (i > 0 && i + 1 < pages.size()) {
            EXPECT_EQ(parts.body.size(), split(pages[0]).body.size()) << "page " << page;
        }
    }
    EXPECT_EQ(printed, lines);
    EXPECT_LE(split(pages.back()).body.size(), split(pages[0]).body.size());
}

// A line wider than the paper goes on over the following rows rather than
// running off the edge.
TEST_F(ListingPrinterTest, LineWiderThanThePageContinuesOnTheNextRows) {
    QString wide;
    for (int i = 0; i < 40; ++i)
        wide += QStringLiteral("%1").arg(i % 10).repeated(8);
    const QStringList lines{QStringLiteral("2: 1"), QStringLiteral("1: ") + wide};
    const auto pages = printAndRead(lines);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList body = split(pages[0]).body;
    ASSERT_GE(body.size(), 3) << "the wide line should take several rows";
    EXPECT_EQ(body[0], lines[0]);
    EXPECT_EQ(body.mid(1).join(QString()), lines[1]);
}

TEST_F(ListingPrinterTest, UsesTheDisplayFont) {
    for (const char* family : {"DejaVu Sans Mono", "DejaVu Serif"}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(11);
        printAndRead({QStringLiteral("1: 1")}, nullptr, font);
        QString error;
        const QStringList fonts = test::readPdfFontNames(pdfPath("listing.pdf"), &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const QString expected = QString::fromLatin1(family).remove(QLatin1Char(' '));
        ASSERT_FALSE(fonts.isEmpty());
        for (const QString& name : fonts)
            EXPECT_TRUE(name.contains(expected)) << name.toStdString() << " for " << family;
    }
}

TEST_F(ListingPrinterTest, UnwritableOutputFailsWithAMessage) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, pdfPath("missing-folder/listing.pdf"));
    PrintStyle style;
    style.font = displayFont();
    const PrintResult result = printListing(printer, {QStringLiteral("1: 1")}, style);
    EXPECT_EQ(result.status, PrintStatus::Failed);
    EXPECT_FALSE(result.errorMessage.isEmpty());
    EXPECT_EQ(result.pages, 0);
}

TEST_F(ListingPrinterTest, ProgressCountsUpAndCanCancel) {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines.append(QString::number(i));

    for (const bool cancel : {false, true}) {
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, pdfPath(cancel ? "cancelled.pdf" : "complete.pdf"));
        std::vector<std::pair<qsizetype, qsizetype>> calls;
        PrintOptions options;
        options.progressInterval = 100;
        options.progress = [&](qsizetype done, qsizetype total) {
            calls.emplace_back(done, total);
            return !(cancel && done >= 300);
        };
        PrintStyle style;
        style.font = displayFont();
        const PrintResult result = printListing(printer, lines, style, options);

        ASSERT_FALSE(calls.empty());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].second, lines.size());
            if (i > 0) {
                EXPECT_GT(calls[i].first, calls[i - 1].first);
            }
        }
        if (cancel) {
            EXPECT_EQ(result.status, PrintStatus::Cancelled);
            EXPECT_EQ(calls.back().first, 300);
        } else {
            EXPECT_EQ(result.status, PrintStatus::Printed);
            EXPECT_EQ(calls.back(), std::make_pair(lines.size(), lines.size()));
            EXPECT_EQ(calls.size(), 11u);
        }
    }
}

} // namespace
} // namespace quarnel::print
