#include "platform/MemoryCloudContainer.h"
#include "platform/MemoryCloudDatabase.h"
#include "platform/MemoryCloudServer.h"

#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Fault = MemoryCloudServer::Fault;
using Operation = MemoryCloudServer::Operation;

CloudRecord billRecord(const QString& name, const QString& title, const QString& changeTag = {})
{
    CloudRecord record;
    record.recordType = QStringLiteral("Bill");
    record.recordName = name;
    record.fields = {{QStringLiteral("Name"), title}};
    record.changeTag = changeTag;
    return record;
}

struct SaveOutcome
{
    CloudRecord record;
    CloudError error;
};

// Calls that wait for their completion, for tests that are not about timing.
SaveOutcome saveAndWait(CloudDatabase* database, const CloudRecord& record)
{
    std::optional<SaveOutcome> outcome;
    database->saveRecord(record, [&](const CloudRecord& saved, const CloudError& error) { outcome = {saved, error}; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
    return outcome.value_or(SaveOutcome{});
}

std::pair<std::optional<CloudRecord>, CloudError> fetchAndWait(CloudDatabase* database, const QString& name)
{
    std::optional<std::pair<std::optional<CloudRecord>, CloudError>> outcome;
    database->fetchRecord(name, [&](const std::optional<CloudRecord>& record, const CloudError& error) {
        outcome = {record, error};
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
    return outcome.value_or(std::pair<std::optional<CloudRecord>, CloudError>{});
}

CloudError deleteAndWait(CloudDatabase* database, const QString& name)
{
    std::optional<CloudError> outcome;
    database->deleteRecord(name, [&](const CloudError& error) { outcome = error; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
    return outcome.value_or(CloudError{});
}

std::pair<CloudQueryBatch, CloudError> queryAndWait(CloudDatabase* database, const QString& type, const QString& cursor)
{
    std::optional<std::pair<CloudQueryBatch, CloudError>> outcome;
    database->queryRecords(type, cursor, [&](const CloudQueryBatch& batch, const CloudError& error) {
        outcome = {batch, error};
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
    return outcome.value_or(std::pair<CloudQueryBatch, CloudError>{});
}

void subscribeAndWait(CloudDatabase* database, const QString& id, const QString& type,
                      const QList<CloudDatabase::ChangeReason>& reasons)
{
    bool done = false;
    database->saveSubscription(id, type, reasons, [&](const CloudError& error) {
        EXPECT_FALSE(error.isError());
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
}

const QList<CloudDatabase::ChangeReason> AllReasons = {CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated,
                                                       CloudDatabase::RecordDeleted};

struct Change
{
    QString recordName;
    int reason;
    bool operator==(const Change&) const = default;
};

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

TEST_F(MemoryCloudTest, SavesFollowTheChangeTagRule)
{
    const SaveOutcome created = saveAndWait(database(0), billRecord("A", "Rent"));
    ASSERT_FALSE(created.error.isError());
    ASSERT_FALSE(created.record.changeTag.isEmpty());

    struct Case
    {
        const char* what;
        QString changeTag;
        CloudError::Code expected;
    };
    const QString currentTag = created.record.changeTag;
    const Case cases[] = {
        {"a new record where one exists", QString(), CloudError::ServerRecordChanged},
        {"a stale change tag", QStringLiteral("stale"), CloudError::ServerRecordChanged},
        {"the current change tag", currentTag, CloudError::None},
        {"the tag the last save replaced", currentTag, CloudError::ServerRecordChanged},
    };
    for (const Case& c : cases) {
        const SaveOutcome outcome = saveAndWait(database(1), billRecord("A", c.what, c.changeTag));
        EXPECT_EQ(outcome.error.code, c.expected) << c.what;
        // A refused save hands back the server's copy, so the caller can merge.
        EXPECT_EQ(outcome.record.changeTag, server.record("A")->changeTag) << c.what;
    }
    EXPECT_EQ(server.record("A")->fields.value("Name"), "the current change tag");

    const auto [fetched, fetchError] = fetchAndWait(database(0), "A");
    ASSERT_TRUE(fetched.has_value());
    EXPECT_FALSE(fetchError.isError());
    EXPECT_EQ(fetched->changeTag, server.record("A")->changeTag);
    EXPECT_GT(fetched->modificationDate, created.record.modificationDate);
}

TEST_F(MemoryCloudTest, MissingRecordsAreNotFound)
{
    const auto [record, error] = fetchAndWait(database(0), "nothing");
    EXPECT_FALSE(record.has_value());
    EXPECT_EQ(error.code, CloudError::NotFound);
    EXPECT_EQ(deleteAndWait(database(0), "nothing").code, CloudError::NotFound);
    EXPECT_EQ(saveAndWait(database(0), billRecord("B", "x", "7")).error.code, CloudError::NotFound);

    ASSERT_FALSE(saveAndWait(database(0), billRecord("A", "Rent")).error.isError());
    EXPECT_FALSE(deleteAndWait(database(1), "A").isError());
    EXPECT_EQ(fetchAndWait(database(0), "A").second.code, CloudError::NotFound);
}

TEST_F(MemoryCloudTest, ModificationDatesComeFromTheClockOrACounter)
{
    const SaveOutcome first = saveAndWait(database(0), billRecord("A", "1"));
    const SaveOutcome second = saveAndWait(database(0), billRecord("B", "2"));
    EXPECT_EQ(first.record.modificationDate.secsTo(second.record.modificationDate), 1);

    const QDateTime moment(QDate(2027, 3, 4), QTime(5, 6, 7), QTimeZone::utc());
    server.setClock([moment] { return moment; });
    EXPECT_EQ(saveAndWait(database(0), billRecord("C", "3")).record.modificationDate, moment);
}

TEST_F(MemoryCloudTest, CompletionsNeverRunInsideTheCall)
{
    int ran = 0;
    database(0)->saveRecord(billRecord("A", "x"), [&](const CloudRecord&, const CloudError&) { ++ran; });
    database(0)->fetchRecord("A", [&](const std::optional<CloudRecord>&, const CloudError&) { ++ran; });
    database(0)->queryRecords("Bill", {}, [&](const CloudQueryBatch&, const CloudError&) { ++ran; });
    database(0)->deleteRecord("A", [&](const CloudError&) { ++ran; });
    database(0)->saveSubscription("s", "Bill", AllReasons, [&](const CloudError&) { ++ran; });
    bool status = false;
    containers[0].accountStatus([&](CloudContainer::AccountStatus) { status = true; });
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(status);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran == 5 && status; }, 5000));
}

TEST_F(MemoryCloudTest, QueriesReturnEveryRecordOfTheTypeInBatches)
{
    struct Case
    {
        int records;
        int batchSize;
        int expectedBatches;
    };
    const Case cases[] = {{0, 3, 1}, {2, 3, 1}, {3, 3, 1}, {7, 3, 3}, {9, 1, 9}};
    for (const Case& c : cases) {
        MemoryCloudServer fresh;
        fresh.setBatchSize(c.batchSize);
        MemoryCloudDatabase client(&fresh);
        for (int i = 0; i < c.records; ++i)
            ASSERT_FALSE(saveAndWait(&client, billRecord(QString::number(i), "bill")).error.isError());
        CloudRecord index;
        index.recordType = "Index";
        index.recordName = "ActiveBills";
        ASSERT_FALSE(saveAndWait(&client, index).error.isError());

        QSet<QString> seen;
        int batches = 0;
        QString cursor;
        do {
            const auto [batch, error] = queryAndWait(&client, "Bill", cursor);
            ASSERT_FALSE(error.isError());
            for (const CloudRecord& record : batch.records)
                seen.insert(record.recordName);
            cursor = batch.cursor;
            ++batches;
        } while (!cursor.isEmpty() && batches < 100);
        EXPECT_EQ(batches, c.expectedBatches) << c.records << " records by " << c.batchSize;
        EXPECT_EQ(seen.size(), c.records) << c.records << " records by " << c.batchSize;
    }
}

TEST_F(MemoryCloudTest, AFailedBatchCanBeAskedForAgain)
{
    server.setBatchSize(2);
    for (int i = 0; i < 6; ++i)
        saveAndWait(database(0), billRecord(QString::number(i), "bill"));
    server.failQueryBatch(1, CloudError::RateLimited);
    server.setRetryAfterSeconds(30);

    const auto [first, firstError] = queryAndWait(database(0), "Bill", {});
    ASSERT_FALSE(firstError.isError());
    const auto [failed, failure] = queryAndWait(database(0), "Bill", first.cursor);
    EXPECT_EQ(failure.code, CloudError::RateLimited);
    EXPECT_EQ(failure.retryAfterSeconds, 30);
    const auto [second, secondError] = queryAndWait(database(0), "Bill", first.cursor);
    EXPECT_FALSE(secondError.isError());
    EXPECT_EQ(second.records.size(), 2);
    EXPECT_FALSE(second.cursor.isEmpty());

    for (const QString& bad : {QStringLiteral("garbage"), QStringLiteral("q99:2"), first.cursor + "x"})
        EXPECT_EQ(queryAndWait(database(0), "Bill", bad).second.code, CloudError::NotFound) << qPrintable(bad);
}

TEST_F(MemoryCloudTest, SubscribersOtherThanTheWriterHearOfChanges)
{
    subscribeAndWait(database(0), "bills", "Bill", AllReasons);
    subscribeAndWait(database(1), "bills", "Bill", AllReasons);
    // Saved again under the same id: replaced, not added.
    subscribeAndWait(database(1), "bills", "Bill", AllReasons);
    subscribeAndWait(database(1), "index", "Index", {CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated});
    EXPECT_EQ(server.subscriptionCount(), 3);

    const SaveOutcome created = saveAndWait(database(0), billRecord("A", "Rent"));
    saveAndWait(database(0), billRecord("A", "Rent 2", created.record.changeTag));
    CloudRecord index;
    index.recordType = "Index";
    index.recordName = "ActiveBills";
    saveAndWait(database(0), index);
    deleteAndWait(database(0), "ActiveBills");
    deleteAndWait(database(1), "A");

    const QList<Change> toSecond = {{"A", CloudDatabase::RecordCreated}, {"A", CloudDatabase::RecordUpdated},
                                    {"ActiveBills", CloudDatabase::RecordCreated}};
    const QList<Change> toFirst = {{"A", CloudDatabase::RecordDeleted}};
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes[1].size() >= 3 && !changes[0].isEmpty(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(changes[1], toSecond);
    EXPECT_EQ(changes[0], toFirst);
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
        const SaveOutcome outcome = saveAndWait(database(0), billRecord(name, "x"));
        EXPECT_EQ(outcome.error.code, c.expected) << n;
        EXPECT_EQ(server.record(name).has_value(), c.applied) << n;
        EXPECT_EQ(outcome.error.retryAfterSeconds, c.fault == Fault::RateLimit ? 12 : 0) << n;
    }
    EXPECT_EQ(server.totalFaults(), 6);
    // Scripted faults hit only the operation they name.
    server.injectFault(Fault::DropRequest, Operation::Delete);
    EXPECT_FALSE(fetchAndWait(database(0), "0").second.isError());
    EXPECT_EQ(deleteAndWait(database(0), "0").code, CloudError::NetworkFailure);
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
        deleteAndWait(database(0), "late");
        deleteAndWait(database(0), "early");
    }
}

TEST_F(MemoryCloudTest, PushesCanBeLostOrLate)
{
    subscribeAndWait(database(1), "bills", "Bill", AllReasons);
    server.setDelayMilliseconds(200);  // late beyond doubt on a busy machine
    server.injectFault(Fault::DropRequest, Operation::Push);
    saveAndWait(database(0), billRecord("lost", "x"));
    server.injectFault(Fault::Delay, Operation::Push);
    saveAndWait(database(0), billRecord("late", "x"));
    saveAndWait(database(0), billRecord("on time", "x"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes[1].size() == 2; }, 5000));
    QTest::qWait(server.delayMilliseconds() * 3);
    const QList<Change> expected = {{"on time", CloudDatabase::RecordCreated}, {"late", CloudDatabase::RecordCreated}};
    EXPECT_EQ(changes[1], expected);
    EXPECT_EQ(server.pushCount(), 3);
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
        EXPECT_EQ(saveAndWait(containers[0].privateDatabase(), billRecord(QString::number(c.status), "x")).error.code,
                  c.expected)
            << int(c.status);
    }
    // An expired sign-in refuses calls until it is renewed.
    database(1)->setSignedIn(false);
    const QString saved = QString::number(CloudContainer::Available);
    EXPECT_EQ(fetchAndWait(database(1), saved).second.code, CloudError::NotAuthenticated);
    database(1)->setSignedIn(true);
    EXPECT_FALSE(fetchAndWait(database(1), saved).second.isError());
}

}  // namespace
