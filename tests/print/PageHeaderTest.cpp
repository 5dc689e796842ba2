#include "print/PageHeader.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace quarnel::print {
namespace {

const QDateTime kMoment(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());

struct TimestampCase {
    QLocale locale;
    const char* expected;
};

class HeaderTimestamp : public ::testing::TestWithParam<TimestampCase> {};

// The short date, one blank, the long time; each locale brings its own order.
TEST_P(HeaderTimestamp, IsShortDateThenLongTime) {
    EXPECT_EQ(headerTimestamp(kMoment, GetParam().locale), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, HeaderTimestamp,
    ::testing::Values(
        TimestampCase{QLocale(QLocale::German, QLocale::Germany), "05.03.24 14:07:09 UTC"},
        TimestampCase{QLocale(QLocale::English, QLocale::UnitedStates), "3/5/24 2:07:09 PM UTC"},
        TimestampCase{QLocale(QLocale::English, QLocale::UnitedKingdom),
                      "05/03/2024 14:07:09 UTC"}));

class PageHeaderLines : public ::testing::TestWithParam<int> {};

TEST_P(PageHeaderLines, HasBlankTitleAndRule) {
    const QLocale locale(QLocale::German, QLocale::Germany);
    const QStringList lines = pageHeader(kMoment, GetParam(), locale);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("   "));
    EXPECT_EQ(lines[1], QStringLiteral("Contents of QUARNEL stack [ 05.03.24 14:07:09 UTC ] Page") +
                            QString::number(GetParam()));
    EXPECT_EQ(lines[2].size(), 79);
    EXPECT_EQ(lines[2].count(QLatin1Char('-')), 79);
}

INSTANTIATE_TEST_SUITE_P(PageNumbers, PageHeaderLines, ::testing::Values(1, 2, 9, 10, 123));

} // namespace
} // namespace quarnel::print
