#include "print/PageHeader.h"

#include <QTimeZone>

#include <gtest/gtest.h>

// A blank line, the title with the locale's short date and long time and the page, the rule.
TEST(PageHeader, BlankLineTitleAndRule) {
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9), QTimeZone::utc());
    const std::pair<QLocale, QString> cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "05.03.24 14:07:09 UTC"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "3/5/24 2:07:09 PM UTC"}};
    for (const auto& [locale, stamp] : cases) {
        EXPECT_EQ(quarnel::print::headerTimestamp(moment, locale), stamp);
        const QString title = QStringLiteral("Contents of QUARNEL stack [ %1 ] Page%2").arg(stamp);
        for (int page : {1, 123})
            EXPECT_EQ(quarnel::print::pageHeader(moment, page, locale),
                      QStringList({"   ", title.arg(page), QString(79, '-')}));
    }
}
