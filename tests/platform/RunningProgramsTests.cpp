#include "platform/RunningPrograms.h"

#include <QDBusConnection>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Name = QStringLiteral("org.example.RunningProgramsTest");

// A second connection to the session bus plays the part of another program.
class RunningProgramsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
    }
    void TearDown() override { QDBusConnection::disconnectFromBus("other-program"); }

    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other-program");
    RunningPrograms programs{QDBusConnection::sessionBus()};
};

TEST_F(RunningProgramsTest, AProgramRunsWhileItOwnsItsName)
{
    EXPECT_FALSE(programs.isRunning(Name));
    ASSERT_TRUE(other.registerService(Name));
    EXPECT_TRUE(programs.isRunning(Name));
    ASSERT_TRUE(other.unregisterService(Name));
    EXPECT_FALSE(programs.isRunning(Name));
}

TEST_F(RunningProgramsTest, ConnectionNamesAndMalformedNamesAreNoPrograms)
{
    EXPECT_FALSE(programs.isRunning(other.baseService()));
    EXPECT_FALSE(programs.isRunning(QString()));
    EXPECT_FALSE(programs.isRunning(QStringLiteral("not a bus name")));
}

TEST_F(RunningProgramsTest, AnnouncesProgramsStartingAndEnding)
{
    // A name of its own: news of other tests' names may still be on its way.
    const QString name = QStringLiteral("org.example.RunningProgramsTest.Announced");
    QStringList launched;
    QStringList terminated;
    QObject::connect(&programs, &RunningPrograms::programLaunched, [&](const QString& n) { launched.append(n); });
    QObject::connect(&programs, &RunningPrograms::programTerminated, [&](const QString& n) { terminated.append(n); });
    ASSERT_TRUE(other.registerService(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return launched.contains(name); }, 5000));
    ASSERT_TRUE(other.unregisterService(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminated.contains(name); }, 5000));
    EXPECT_EQ(launched.count(name), 1);
    EXPECT_EQ(terminated.count(name), 1);
    // Connections come and go under their own names; those are no programs.
    for (const QString& n : launched + terminated)
        EXPECT_FALSE(n.startsWith(u':')) << n.toStdString();
}

TEST(RunningProgramsWithoutBus, NothingRuns)
{
    RunningPrograms programs{QDBusConnection(QStringLiteral("never-connected"))};
    EXPECT_FALSE(programs.isRunning(QStringLiteral("org.freedesktop.DBus")));
}

}  // namespace
