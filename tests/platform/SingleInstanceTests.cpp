#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// ctest runs each test in a process of its own, all on one session bus: a
// name of each process's own keeps parallel tests from claiming each other's.
const QString TestName =
    QStringLiteral("org.example.SingleInstanceTest.p%1").arg(QCoreApplication::applicationPid());

// Two connections to the session bus play two starts of the program.
class SingleInstanceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("first-start"));
        QDBusConnection::disconnectFromBus(QStringLiteral("second-start"));
    }

    static QDBusConnection connection(const QString& name)
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    }

    QDBusConnection firstBus = connection(QStringLiteral("first-start"));
    QDBusConnection secondBus = connection(QStringLiteral("second-start"));
};

TEST_F(SingleInstanceTest, TheFirstStartOwnsTheName)
{
    SingleInstance first(firstBus, TestName);
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Owned);
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->serviceOwner(TestName).value(), firstBus.baseService());
}

TEST_F(SingleInstanceTest, ASecondStartAsksTheFirstToShowItsWindow)
{
    SingleInstance first(firstBus, TestName);
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Owned);
    QSignalSpy showRequests(&first, &SingleInstance::showRequested);

    SingleInstance second(secondBus, TestName);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::AskedOtherToShow);
    EXPECT_EQ(showRequests.count(), 1);
    // The first keeps its name; the second gets nothing of its own.
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->serviceOwner(TestName).value(), firstBus.baseService());
}

TEST_F(SingleInstanceTest, TheNameIsFreeAgainOnceTheOwnerEnds)
{
    {
        SingleInstance first(firstBus, TestName);
        ASSERT_EQ(first.claim(), SingleInstance::Claim::Owned);
    }
    SingleInstance next(secondBus, TestName);
    EXPECT_EQ(next.claim(), SingleInstance::Claim::Owned);
}

TEST_F(SingleInstanceTest, AnOwnerWithoutTheMethodCountsAsNotAnswering)
{
    ASSERT_TRUE(firstBus.registerService(TestName));
    SingleInstance second(secondBus, TestName);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::OtherDidNotAnswer);
}

TEST(SingleInstanceWithoutBus, CannotTellInstancesApart)
{
    SingleInstance instance(QDBusConnection(QStringLiteral("never-connected")), TestName);
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::NoBus);
}

}  // namespace
