#include "platform/HybridLogicalClock.h"

#include "platform/BWUIDMaker.h"
#include "platform/SyncDeviceIdentity.h"
#include "platform/UserDefaults.h"
#include "support/TempFolder.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime Noon(QDate(2026, 6, 1), QTime(12, 0), QTimeZone::utc());

}  // namespace

TEST(HybridLogicalClockTest, StampsFollowEveryStampSeenWhateverTheClockSays)
{
    HybridLogicalClock ahead(BWUIDMaker::makeUID()), behind(BWUIDMaker::makeUID());
    const QString first = ahead.next(Noon.addSecs(3600));
    // Behind by an hour, but it saw the stamp from ahead: its own is later.
    EXPECT_TRUE(behind.observe(first, Noon));
    const QString second = behind.next(Noon);
    EXPECT_GT(second, first);
    EXPECT_EQ(HybridLogicalClock::wallTimeOf(second), Noon.addSecs(3600));
    // Every stamp is later than the one before it, even at one moment.
    EXPECT_GT(behind.next(Noon), second);
    // Once its clock passes, its own time counts again.
    EXPECT_EQ(HybridLogicalClock::wallTimeOf(behind.next(Noon.addSecs(7200))), Noon.addSecs(7200));
    // What is no stamp is not taken in.
    EXPECT_FALSE(behind.observe(QStringLiteral("9999"), Noon));
    EXPECT_TRUE(HybridLogicalClock::isStamp(behind.latest()));
}

// The counter at its limit moves on to the next millisecond instead of
// wrapping round to an earlier stamp.
TEST(HybridLogicalClockTest, TheCounterNeverWraps)
{
    const qint64 noon = Noon.toMSecsSinceEpoch();
    const QString device = BWUIDMaker::makeUID();
    const QString last = HybridLogicalClock::stampOf(noon, 0xFFFFFFFFu, BWUIDMaker::makeUID());
    HybridLogicalClock clock(device);
    clock.observe(last, Noon);
    const QString next = clock.next(Noon);
    EXPECT_GT(next, last);
    EXPECT_EQ(next, HybridLogicalClock::stampOf(noon + 1, 0, device));
    EXPECT_GT(HybridLogicalClock::successorOf(last), last);
}

// A stamp more than a day ahead of this clock is not taken as time, and no
// stamp made here is more than a day ahead of it, even after it was set back.
TEST(HybridLogicalClockTest, NoStampIsTakenOrMadeMoreThanADayAhead)
{
    const qint64 day = 24LL * 60 * 60 * 1000;
    const QString device = BWUIDMaker::makeUID();
    const auto ahead = [](qint64 ms) { return HybridLogicalClock::stampOf(Noon.toMSecsSinceEpoch() + ms, 0, BWUIDMaker::makeUID()); };
    struct Case {
        qint64 seenAheadMs;
        bool taken;
    } cases[] = {{3600 * 1000, true}, {day - 1, true}, {day + 1, false}, {3650 * day, false}};
    for (const Case& c : cases) {
        HybridLogicalClock clock(device);
        EXPECT_EQ(clock.observe(ahead(c.seenAheadMs), Noon), c.taken) << c.seenAheadMs;
        EXPECT_EQ(HybridLogicalClock::isFarAhead(ahead(c.seenAheadMs), Noon), !c.taken);
        const QDateTime wall = HybridLogicalClock::wallTimeOf(clock.next(Noon));
        EXPECT_EQ(wall, c.taken ? Noon.addMSecs(c.seenAheadMs) : Noon) << c.seenAheadMs;
    }
    // Stamped three days ahead, then set back: its own time again, still rising.
    HybridLogicalClock setBack(device);
    setBack.next(Noon.addDays(3));
    const QString first = setBack.next(Noon);
    EXPECT_EQ(HybridLogicalClock::wallTimeOf(first), Noon);
    EXPECT_GT(setBack.next(Noon), first);
    // Set back, it takes in the stamps it sees again: its next one follows them.
    HybridLogicalClock seesAgain(device);
    seesAgain.next(Noon.addYears(10));
    EXPECT_TRUE(seesAgain.observe(ahead(3600 * 1000), Noon));
    EXPECT_EQ(HybridLogicalClock::wallTimeOf(seesAgain.next(Noon)), Noon.addSecs(3600));
}

TEST(HybridLogicalClockTest, StampsCompareAsTextsAndTiesGoByDevice)
{
    const QString low = QStringLiteral("00000000000000000000000000000001");
    const QString high = QStringLiteral("F0000000000000000000000000000000");
    const qint64 moment = Noon.toMSecsSinceEpoch();
    struct Case
    {
        QString earlier, later;
    } cases[] = {
        {HybridLogicalClock::stampOf(moment, 0, high), HybridLogicalClock::stampOf(moment + 1, 0, low)},
        {HybridLogicalClock::stampOf(moment, 9, high), HybridLogicalClock::stampOf(moment, 10, low)},
        {HybridLogicalClock::stampOf(moment, 0, low), HybridLogicalClock::stampOf(moment, 0, high)},
        {HybridLogicalClock::origin(), HybridLogicalClock::stampOfDate(Noon)},
        {QString(), HybridLogicalClock::origin()},
        {HybridLogicalClock::stampOf(moment, 0, low),
         HybridLogicalClock::successorOf(HybridLogicalClock::stampOf(moment, 0, low))},
    };
    for (const Case& c : cases)
        EXPECT_LT(c.earlier, c.later) << c.earlier.toStdString() << " " << c.later.toStdString();
    EXPECT_EQ(HybridLogicalClock::stampOfDate(Noon), HybridLogicalClock::stampOfDate(Noon));
    EXPECT_FALSE(HybridLogicalClock::wallTimeOf(QStringLiteral("soon")).isValid());
}

TEST(SyncDeviceIdentityTest, AnIDBelongsToOneMachineAndOneSettingsFile)
{
    TempFolder temp;
    const QString machineA = temp.write(QStringLiteral("a/machine-id"), "4f1d2c3b4a5968778695a4b3c2d1e0f1\n");
    const QString machineB = temp.write(QStringLiteral("b/machine-id"), "0a1b2c3d4e5f60718293a4b5c6d7e8f9\n");
    UserDefaults settings(UserDefaults::standardPath(temp.file(QStringLiteral("config"))));
    const QString key = QStringLiteral("SyncDevice");

    const QString onA = SyncDeviceIdentity::deviceID(settings, key, machineA);
    EXPECT_TRUE(BWUIDMaker::isValidUID(onA));
    EXPECT_TRUE(BWUIDMaker::isValidUID(settings.stringForKey(key)));
    EXPECT_EQ(SyncDeviceIdentity::deviceID(settings, key, machineA), onA);  // the same at every start
    // The settings carried to another machine: another id there.
    EXPECT_NE(SyncDeviceIdentity::deviceID(settings, key, machineB), onA);
    // Another settings file on the same machine (another user): another id.
    UserDefaults other(UserDefaults::standardPath(temp.file(QStringLiteral("other"))));
    EXPECT_NE(SyncDeviceIdentity::deviceID(other, key, machineA), onA);
    // Without a machine id the host name stands in.
    EXPECT_TRUE(BWUIDMaker::isValidUID(SyncDeviceIdentity::deviceID(settings, key, temp.file("missing"))));
}
