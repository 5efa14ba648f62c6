#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, TellsSystemTimeByDefault)
{
    Clock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = clock.now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, QDateTime::currentDateTime());
}

TEST(Clock, FixedMomentUntilSystemTimeIsUsedAgain)
{
    Clock clock;
    const QDateTime moment(QDate(2030, 12, 31), QTime(23, 59, 59));
    clock.setNow(moment);
    EXPECT_EQ(clock.now(), moment);
    EXPECT_EQ(clock.today(), QDate(2030, 12, 31));

    clock.useSystemTime();
    EXPECT_NE(clock.now().date().year(), 2030);
}

TEST(Clock, TodayIsTheLocalDateOfAUtcMoment)
{
    Clock clock;
    const QDateTime utcMoment(QDate(2024, 6, 15), QTime(0, 30), Qt::UTC);
    clock.setNow(utcMoment);
    EXPECT_EQ(clock.today(), utcMoment.toLocalTime().date());
}

TEST(Clock, HoldKeepsOneReadingWhileItLives)
{
    Clock clock;
    QDateTime held;
    {
        const Clock::Hold hold(&clock);
        held = clock.now();
        {
            const Clock::Hold inner(&clock);
            EXPECT_EQ(clock.now(), held);
        }
        // The inner hold's end leaves the outer one's reading.
        while (QDateTime::currentDateTime() == held) {
        }
        EXPECT_EQ(clock.now(), held);
        const QDateTime moment(QDate(2030, 12, 31), QTime(23, 59, 59));
        clock.setNow(moment);
        EXPECT_EQ(clock.now(), moment);
        clock.useSystemTime();
        EXPECT_EQ(clock.now(), held);
    }
    EXPECT_GT(clock.now(), held);
    const Clock::Hold nothingHeld(nullptr);
}
