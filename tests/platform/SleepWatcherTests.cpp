#include "platform/SleepWatcher.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The session bus stands in for the system bus; a second connection that owns
// logind's name plays logind.
class SleepWatcherTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        ASSERT_TRUE(logind.registerService(SleepWatcher::LogindService));
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
        QDBusConnection::disconnectFromBus(QStringLiteral("impostor"));
    }

    static bool prepareForSleep(QDBusConnection& sender, bool sleeping)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        return sender.send(signal);
    }

    QDBusConnection logind = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-logind"));
};

TEST_F(SleepWatcherTest, AnnouncesSleepAndWakeFromLogind)
{
    SleepWatcher watcher(QDBusConnection::sessionBus());
    ASSERT_TRUE(watcher.isWatching());
    QSignalSpy sleeps(&watcher, &SleepWatcher::willSleep);
    QSignalSpy wakes(&watcher, &SleepWatcher::didWake);

    ASSERT_TRUE(prepareForSleep(logind, true));
    ASSERT_TRUE(sleeps.wait(5000));
    EXPECT_EQ(wakes.count(), 0);

    ASSERT_TRUE(prepareForSleep(logind, false));
    ASSERT_TRUE(wakes.wait(5000));
    EXPECT_EQ(sleeps.count(), 1);
}

TEST_F(SleepWatcherTest, IgnoresTheSignalFromAnyoneButLogind)
{
    SleepWatcher watcher(QDBusConnection::sessionBus());
    QSignalSpy sleeps(&watcher, &SleepWatcher::willSleep);
    QDBusConnection impostor = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("impostor"));

    ASSERT_TRUE(prepareForSleep(impostor, true));
    // A round trip to the bus makes sure the impostor's signal was routed
    // before logind's, so it would have arrived first.
    ASSERT_TRUE(impostor.interface()->isServiceRegistered(SleepWatcher::LogindService).value());
    ASSERT_TRUE(prepareForSleep(logind, false));
    QSignalSpy wakes(&watcher, &SleepWatcher::didWake);
    ASSERT_TRUE(wakes.wait(5000));
    EXPECT_EQ(sleeps.count(), 0);
}

TEST(SleepWatcherWithoutBus, WatchesNothing)
{
    SleepWatcher watcher(QDBusConnection(QStringLiteral("never-connected")));
    EXPECT_FALSE(watcher.isWatching());
}

}  // namespace
