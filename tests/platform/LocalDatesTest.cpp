#include "platform/LocalDates.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include "support/DueDateTestZone.h"

namespace {

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

// Zones with a daylight-saving change (or a skipped day) and a UTC moment of
// that change: every moment of the two days around it must fall on the day
// Qt gives.
struct ZoneEdge
{
    const char* zone;
    QDateTime change;
};

const ZoneEdge zoneEdges[] = {
    {"America/New_York", utc(2024, 3, 10, 7)},        // spring forward, 2:00 -> 3:00
    {"America/New_York", utc(2024, 11, 3, 6)},        // fall back, 2:00 -> 1:00
    {"Europe/Berlin", utc(2024, 3, 31, 1)},
    {"Europe/Berlin", utc(2024, 10, 27, 1)},
    {"Australia/Lord_Howe", utc(2024, 4, 6, 15)},     // half an hour back
    {"Australia/Sydney", utc(2024, 10, 5, 16)},       // southern spring
    {"Pacific/Apia", utc(2011, 12, 30, 10)},          // 30 December 2011 never happened there
    {"EST5EDT,M3.2.0,M11.1.0", utc(2024, 3, 10, 7)},  // a rule rather than a zone file
    {"Asia/Kolkata", utc(2024, 6, 1, 18, 30)},        // local midnight, no change
};

}  // namespace

TEST(LocalDates, DayOfEveryMomentAroundAChangeIsQtsLocalDay)
{
    for (const ZoneEdge& edge : zoneEdges) {
        const DueDateTestZone zone(edge.zone);
        const LocalDates dates;
        // Every 7 minutes and a second, so minutes and seconds both vary.
        for (qint64 offset = -36 * 3600; offset <= 36 * 3600; offset += 421) {
            const QDateTime moment = edge.change.addSecs(offset);
            ASSERT_EQ(dates.dateOf(moment), moment.toLocalTime().date())
                << edge.zone << " at " << moment.toString(Qt::ISODateWithMs).toStdString();
        }
        for (int second : {-1, 0, 1}) {
            const QDateTime moment = edge.change.addSecs(second);
            EXPECT_EQ(dates.dateOf(moment), moment.toLocalTime().date()) << edge.zone;
        }
    }
}

TEST(LocalDates, OtherMomentsAndFormsAreQtsLocalDayToo)
{
    const DueDateTestZone zone("America/New_York");
    const LocalDates dates;
    const QDateTime cases[] = {
        utc(1, 1, 1),                                        // the far past of items never paid
        utc(1890, 6, 1, 3),                                  // before 32-bit time
        utc(1969, 12, 31, 23, 59, 59),                       // the second before the epoch
        QDateTime::fromMSecsSinceEpoch(-1, Qt::UTC),         // a part of a second before it
        utc(1970, 1, 1, 4, 59, 59),
        utc(2038, 1, 19, 3, 14, 8),                          // past 32-bit time
        utc(4001, 1, 1),                                     // the far future of archived items
        QDateTime(QDate(2024, 7, 4), QTime(23, 30)),         // already local
        QDateTime(QDate(2024, 7, 4), QTime(23, 30), QTimeZone(3600 * 9)),
        QDateTime(QDate(2024, 11, 3), QTime(1, 30), QTimeZone("Europe/Berlin")),
    };
    for (const QDateTime& moment : cases)
        EXPECT_EQ(dates.dateOf(moment), moment.toLocalTime().date()) << moment.toString(Qt::ISODate).toStdString();
    EXPECT_FALSE(dates.dateOf(QDateTime()).isValid());
}

TEST(LocalDates, DaysAreCountedInLocalCalendarDays)
{
    const DueDateTestZone zone("America/New_York");
    const LocalDates dates;
    // 23:30 local to 00:30 local the next day is one day; across the spring
    // change a 23-hour day still counts once.
    EXPECT_EQ(dates.daysFromTo(utc(2024, 3, 10, 4, 30), utc(2024, 3, 10, 5, 30)), 1);
    EXPECT_EQ(dates.daysFromTo(utc(2024, 3, 10, 5), utc(2024, 3, 11, 4)), 1);
    EXPECT_EQ(dates.daysFromTo(utc(2024, 3, 11, 4), utc(2024, 3, 10, 5)), -1);
    EXPECT_EQ(dates.daysFromTo(utc(2024, 1, 1, 12), utc(2024, 1, 1, 23)), 0);
}

TEST(LocalDates, ANewOneSeesAZoneThatChangedMeanwhile)
{
    const QDateTime evening = utc(2024, 6, 15, 20);
    const DueDateTestZone zone("Asia/Tokyo");
    EXPECT_EQ(LocalDates().dateOf(evening), QDate(2024, 6, 16));
    // The zone changes under the running program, and nobody reads it yet.
    qputenv("TZ", "America/Los_Angeles");
    EXPECT_EQ(LocalDates().dateOf(evening), QDate(2024, 6, 15));
    qputenv("TZ", "Asia/Tokyo");
    EXPECT_EQ(LocalDates().dateOf(evening), QDate(2024, 6, 16));
}
