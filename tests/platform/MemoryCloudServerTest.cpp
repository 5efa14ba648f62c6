#include "support/MemoryCloudContainer.h"
#include "support/MemoryCloudDatabase.h"
#include "support/MemoryCloudServer.h"

#include "support/CloudCalls.h"

#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <numeric>

using namespace CloudCalls;

namespace {

using Fault = MemoryCloudServer::Fault;
using Operation = MemoryCloudServer::Operation;

// One server and two devices, each listening for the changes it is told of.
class MemoryCloudTest : public ::testing::Test
{
protected:
    MemoryCloudTest()
    {
        for (int device = 0; device < 2; ++device) {
            QObject::connect(database(device), &CloudDatabase::recordChanged,
                             [this, device](const QString&, const QString& name, int reason) {
                                 changes[device].append({name, reason});
                             });
        }
    }

    MemoryCloudDatabase* database(int device) { return containers[device].memoryDatabase(); }

    MemoryCloudServer server;
    MemoryCloudContainer containers[2] = {MemoryCloudContainer(&server), MemoryCloudContainer(&server)};
    QList<Change> changes[2];
};

TEST_F(MemoryCloudTest, ModificationDatesComeFromTheClockOrACounter)
{
    const SaveOutcome first = save(database(0), billRecord("A", "1"));
    const SaveOutcome second = save(database(0), billRecord("B", "2"));
    EXPECT_EQ(first.record.modificationDate.secsTo(second.record.modificationDate), 1);

    const QDateTime moment(QDate(2027, 3, 4), QTime(5, 6, 7), QTimeZone::utc());
    server.setClock([moment] { return moment; });
    EXPECT_EQ(save(database(0), billRecord("C", "3")).record.modificationDate, moment);
}

TEST_F(MemoryCloudTest, AFailedBatchCanBeAskedForAgain)
{
    server.setBatchSize(2);
    for (int i = 0; i < 6; ++i)
        save(database(0), billRecord(QString::number(i), "bill"));
    server.failQueryBatch(1, CloudError::RateLimited);
    server.setRetryAfterSeconds(30);

    const auto [first, firstError] = query(database(0), "Bill", {});
    ASSERT_FALSE(firstError.isError());
    const auto [failed, failure] = query(database(0), "Bill", first.cursor);
    EXPECT_EQ(failure.code, CloudError::RateLimited);
    EXPECT_EQ(failure.retryAfterSeconds, 30);
    const auto [second, secondError] = query(database(0), "Bill", first.cursor);
    EXPECT_FALSE(secondError.isError());
    EXPECT_EQ(second.records.size(), 2);
    EXPECT_FALSE(second.cursor.isEmpty());

    for (const QString& bad : {QStringLiteral("garbage"), QStringLiteral("q99:2"), first.cursor + "x"})
        EXPECT_EQ(query(database(0), "Bill", bad).second.code, CloudError::NotFound) << qPrintable(bad);
}

TEST_F(MemoryCloudTest, FaultsAffectRequestsAsTheyShould)
{
    struct Case
    {
        Fault fault;
        CloudError::Code expected;
        bool applied;
    };
    const Case cases[] = {
        {Fault::None, CloudError::None, true},
        {Fault::DropRequest, CloudError::NetworkFailure, false},
        {Fault::DropReply, CloudError::NetworkFailure, true},
        {Fault::Delay, CloudError::None, true},
        {Fault::Reorder, CloudError::None, true},
        {Fault::ExpiredToken, CloudError::NotAuthenticated, false},
        {Fault::RateLimit, CloudError::RateLimited, false},
    };
    server.setRetryAfterSeconds(12);
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QString::number(n++);
        server.injectFault(c.fault, Operation::Save);
        const SaveOutcome outcome = save(database(0), billRecord(name, "x"));
        EXPECT_EQ(outcome.error.code, c.expected) << n;
        EXPECT_EQ(server.record(name).has_value(), c.applied) << n;
        EXPECT_EQ(outcome.error.retryAfterSeconds, c.fault == Fault::RateLimit ? 12 : 0) << n;
    }
    EXPECT_EQ(server.totalFaults(), 6);
    // Scripted faults hit only the operation they name.
    server.injectFault(Fault::DropRequest, Operation::Delete);
    EXPECT_FALSE(fetch(database(0), "0").second.isError());
    EXPECT_EQ(remove(database(0), "0").code, CloudError::NetworkFailure);
}

TEST_F(MemoryCloudTest, LateMessagesArriveAfterLaterOnes)
{
    for (const Fault fault : {Fault::Delay, Fault::Reorder}) {
        QStringList order;
        server.injectFault(fault, Operation::Save);
        database(0)->saveRecord(billRecord("late", "x"), [&](const CloudRecord&, const CloudError&) {
            order.append("late");
        });
        database(0)->saveRecord(billRecord("early", "x"), [&](const CloudRecord&, const CloudError&) {
            order.append("early");
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 5000));
        EXPECT_EQ(order, QStringList({"early", "late"}));
        // Applied late as well: the early one holds the older date.
        EXPECT_LT(server.record("early")->modificationDate, server.record("late")->modificationDate);
        remove(database(0), "late");
        remove(database(0), "early");
    }
}

TEST_F(MemoryCloudTest, PushesCanBeLostOrLate)
{
    EXPECT_FALSE(subscribe(database(1), "bills", "Bill", AllReasons).isError());
    server.setDelayMilliseconds(200);  // late beyond doubt on a busy machine
    server.injectFault(Fault::DropRequest, Operation::Push);
    save(database(0), billRecord("lost", "x"));
    server.injectFault(Fault::Delay, Operation::Push);
    save(database(0), billRecord("late", "x"));
    save(database(0), billRecord("on time", "x"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes[1].size() == 2; }, 5000));
    // Late as well, and sent last: once it is heard, nothing else is on its way.
    server.injectFault(Fault::Delay, Operation::Push);
    save(database(0), billRecord("last", "x"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes[1].size() >= 3; }, 5000));
    const QList<Change> expected = {{"on time", CloudDatabase::RecordCreated},
                                    {"late", CloudDatabase::RecordCreated},
                                    {"last", CloudDatabase::RecordCreated}};
    EXPECT_EQ(changes[1], expected);
    EXPECT_EQ(server.pushCount(), 4);
}

TEST_F(MemoryCloudTest, RandomFaultsFollowTheirSeedAndRate)
{
    const auto run = [](quint32 seed) {
        MemoryCloudServer fresh;
        fresh.setDelayMilliseconds(1);
        fresh.setRandomFaults(0.1, seed);
        MemoryCloudDatabase client(&fresh);
        int answered = 0;
        for (int i = 0; i < 1000; ++i)
            client.fetchRecord("x", [&](const std::optional<CloudRecord>&, const CloudError&) { ++answered; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered == 1000; }, 10000));
        return QList<int>{fresh.faultCount(Fault::DropRequest), fresh.faultCount(Fault::DropReply),
                          fresh.faultCount(Fault::Delay), fresh.faultCount(Fault::Reorder)};
    };
    const QList<int> first = run(42);
    EXPECT_EQ(run(42), first);
    EXPECT_NE(run(43), first);
    const int total = std::accumulate(first.begin(), first.end(), 0);
    EXPECT_GT(total, 60);
    EXPECT_LT(total, 140);
    for (int count : first)
        EXPECT_GT(count, 0);
}

TEST_F(MemoryCloudTest, OnlyASignedInAccountReachesTheDatabase)
{
    struct Case
    {
        CloudContainer::AccountStatus status;
        CloudError::Code expected;
    };
    const Case cases[] = {
        {CloudContainer::NoAccount, CloudError::NotAuthenticated},
        {CloudContainer::TemporarilyUnavailable, CloudError::NotAuthenticated},
        {CloudContainer::Available, CloudError::None},
    };
    for (const Case& c : cases) {
        containers[0].setAccountStatus(c.status);
        std::optional<CloudContainer::AccountStatus> reported;
        containers[0].accountStatus([&](CloudContainer::AccountStatus status) { reported = status; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return reported.has_value(); }, 5000));
        EXPECT_EQ(reported, c.status);
        EXPECT_EQ(save(containers[0].privateDatabase(), billRecord(QString::number(c.status), "x")).error.code,
                  c.expected)
            << int(c.status);
    }
    // An expired sign-in refuses calls until it is renewed.
    database(1)->setSignedIn(false);
    const QString saved = QString::number(CloudContainer::Available);
    EXPECT_EQ(fetch(database(1), saved).second.code, CloudError::NotAuthenticated);
    database(1)->setSignedIn(true);
    EXPECT_FALSE(fetch(database(1), saved).second.isError());
}

}  // namespace
