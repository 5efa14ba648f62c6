// What every cloud database promises its callers, checked on each of ours.

#include "platform/FolderCloudDatabase.h"
#include "support/MemoryCloudDatabase.h"
#include "support/MemoryCloudServer.h"

#include "support/CloudCalls.h"
#include "support/TempFolder.h"

#include <QSet>

#include <memory>

using namespace CloudCalls;

namespace {

// Two devices on one shared cloud.
class CloudBackend
{
public:
    virtual ~CloudBackend() = default;
    virtual CloudDatabase* device(int index) = 0;
    virtual void setBatchSize(int size) = 0;
};

class MemoryBackend : public CloudBackend
{
public:
    CloudDatabase* device(int index) override { return &m_devices[index]; }
    void setBatchSize(int size) override { m_server.setBatchSize(size); }

private:
    MemoryCloudServer m_server;
    MemoryCloudDatabase m_devices[2] = {MemoryCloudDatabase(&m_server), MemoryCloudDatabase(&m_server)};
};

class FolderBackend : public CloudBackend
{
public:
    CloudDatabase* device(int index) override { return &m_devices[index]; }
    void setBatchSize(int size) override
    {
        for (FolderCloudDatabase& device : m_devices)
            device.setBatchSize(size);
    }

private:
    TempFolder m_folder;
    FolderCloudDatabase m_devices[2] = {FolderCloudDatabase(m_folder.path(), billName(0xD1)),
                                        FolderCloudDatabase(m_folder.path(), billName(0xD2))};
};

using BackendFactory = std::function<std::unique_ptr<CloudBackend>()>;

struct NamedBackend
{
    const char* name;
    BackendFactory make;
};

class CloudDatabaseContract : public ::testing::TestWithParam<NamedBackend>
{
protected:
    CloudDatabaseContract()
        : backend(GetParam().make())
    {
        for (int index = 0; index < 2; ++index) {
            QObject::connect(device(index), &CloudDatabase::recordChanged,
                             [this, index](const QString&, const QString& name, int reason) {
                                 changes[index].append({name, reason});
                             });
        }
    }

    CloudDatabase* device(int index) { return backend->device(index); }

    std::unique_ptr<CloudBackend> backend;
    QList<Change> changes[2];
};

TEST_P(CloudDatabaseContract, SavesFollowTheChangeTagRule)
{
    const QString name = billName(1);
    const SaveOutcome created = save(device(0), billRecord(name, "Rent"));
    ASSERT_FALSE(created.error.isError());
    ASSERT_FALSE(created.record.changeTag.isEmpty());
    ASSERT_TRUE(created.record.modificationDate.isValid());

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
        const SaveOutcome outcome = save(device(1), billRecord(name, c.what, c.changeTag));
        EXPECT_EQ(outcome.error.code, c.expected) << c.what;
        // A refused save hands back the cloud's copy, so the caller can merge.
        const auto [current, error] = fetch(device(0), name);
        ASSERT_TRUE(current.has_value()) << c.what;
        EXPECT_EQ(outcome.record.changeTag, current->changeTag) << c.what;
    }
    const auto [fetched, error] = fetch(device(0), name);
    ASSERT_TRUE(fetched.has_value());
    EXPECT_FALSE(error.isError());
    EXPECT_EQ(fetched->fields.value("Name"), "the current change tag");
    EXPECT_EQ(fetched->recordType, "Bill");
    EXPECT_GE(fetched->modificationDate, created.record.modificationDate);
}

TEST_P(CloudDatabaseContract, MissingRecordsAreNotFound)
{
    const auto [record, error] = fetch(device(0), billName(9));
    EXPECT_FALSE(record.has_value());
    EXPECT_EQ(error.code, CloudError::NotFound);
    EXPECT_EQ(remove(device(0), billName(9)).code, CloudError::NotFound);
    EXPECT_EQ(save(device(0), billRecord(billName(9), "x", "7")).error.code, CloudError::NotFound);

    ASSERT_FALSE(save(device(0), billRecord(billName(1), "Rent")).error.isError());
    EXPECT_FALSE(remove(device(1), billName(1)).isError());
    EXPECT_EQ(fetch(device(0), billName(1)).second.code, CloudError::NotFound);
}

TEST_P(CloudDatabaseContract, CompletionsNeverRunInsideTheCall)
{
    int ran = 0;
    device(0)->saveRecord(billRecord(billName(1), "x"), [&](const CloudRecord&, const CloudError&) { ++ran; });
    device(0)->fetchRecord(billName(1), [&](const std::optional<CloudRecord>&, const CloudError&) { ++ran; });
    device(0)->queryRecords("Bill", {}, [&](const CloudQueryBatch&, const CloudError&) { ++ran; });
    device(0)->deleteRecord(billName(1), [&](const CloudError&) { ++ran; });
    device(0)->saveSubscription("s", "Bill", AllReasons, [&](const CloudError&) { ++ran; });
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran == 5; }, 5000));
}

TEST_P(CloudDatabaseContract, QueriesReturnEveryRecordOfTheTypeInBatches)
{
    struct Case
    {
        int records;
        int batchSize;
        int expectedBatches;
    };
    const Case cases[] = {{0, 3, 1}, {2, 3, 1}, {3, 3, 1}, {7, 3, 3}, {9, 1, 9}};
    for (const Case& c : cases) {
        const std::unique_ptr<CloudBackend> fresh = GetParam().make();
        fresh->setBatchSize(c.batchSize);
        CloudDatabase* database = fresh->device(0);
        for (int i = 0; i < c.records; ++i)
            ASSERT_FALSE(save(database, billRecord(billName(i), "bill")).error.isError());
        ASSERT_FALSE(save(database, indexRecord("ActiveBills", {})).error.isError());

        QSet<QString> seen;
        int batches = 0;
        QString cursor;
        do {
            const auto [batch, error] = query(database, "Bill", cursor);
            ASSERT_FALSE(error.isError());
            for (const CloudRecord& record : batch.records)
                seen.insert(record.recordName);
            cursor = batch.cursor;
            ++batches;
        } while (!cursor.isEmpty() && batches < 100);
        EXPECT_EQ(batches, c.expectedBatches) << c.records << " records by " << c.batchSize;
        EXPECT_EQ(seen.size(), c.records) << c.records << " records by " << c.batchSize;
    }
    EXPECT_EQ(query(device(0), "Bill", "not a cursor").second.code, CloudError::NotFound);
}

// A caller that knows the change tags of some records gets those still
// with that tag by name only, and the others whole.
TEST_P(CloudDatabaseContract, RecordsWithAKnownTagComeBackByNameOnly)
{
    QHash<QString, QString> known;
    for (int i = 1; i <= 3; ++i)
        known.insert(billName(i), save(device(0), billRecord(billName(i), "bill")).record.changeTag);
    ASSERT_FALSE(save(device(0), indexRecord("ActiveBills", {})).error.isError());
    known.remove(billName(3));
    const CloudRecord changed = save(device(1), billRecord(billName(2), "changed", known.value(billName(2)))).record;
    ASSERT_FALSE(changed.changeTag.isEmpty());

    const auto queryChanged = [&](const QHash<QString, QString>& tags) {
        return waitFor<std::pair<CloudQueryBatch, CloudError>>([&](auto done) {
            device(0)->queryChangedRecords("Bill", {}, tags,
                                           [done](const CloudQueryBatch& batch, const CloudError& error) {
                                               done({batch, error});
                                           });
        });
    };
    const auto [batch, error] = queryChanged(known);
    ASSERT_FALSE(error.isError());
    QStringList whole;
    for (const CloudRecord& record : batch.records)
        whole.append(record.recordName + "=" + record.fields.value("Name").toString());
    whole.sort();
    EXPECT_EQ(whole, QStringList({billName(2) + "=changed", billName(3) + "=bill"}));
    EXPECT_EQ(batch.unchanged, QStringList{billName(1)});
    EXPECT_TRUE(batch.cursor.isEmpty());
}

TEST_P(CloudDatabaseContract, SubscribersOtherThanTheWriterHearOfChanges)
{
    ASSERT_FALSE(subscribe(device(0), "bills", "Bill", AllReasons).isError());
    ASSERT_FALSE(subscribe(device(1), "bills", "Bill", AllReasons).isError());
    // Saved again under the same id: replaced, not added.
    ASSERT_FALSE(subscribe(device(1), "bills", "Bill", AllReasons).isError());
    ASSERT_FALSE(subscribe(device(1), "index", "Index", {CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated})
                     .isError());

    const QString bill = billName(1);
    const SaveOutcome created = save(device(0), billRecord(bill, "Rent"));
    save(device(0), billRecord(bill, "Rent 2", created.record.changeTag));
    save(device(0), indexRecord("ActiveBills", {bill}));
    remove(device(0), "ActiveBills");
    remove(device(1), bill);

    // A last bill from each side: once it is heard, every earlier change
    // that was going to arrive has arrived.
    const Change lastToSecond{billName(2), CloudDatabase::RecordCreated};
    const Change lastToFirst{billName(3), CloudDatabase::RecordCreated};
    save(device(0), billRecord(lastToSecond.recordName, "Water"));
    save(device(1), billRecord(lastToFirst.recordName, "Gas"));

    const QList<Change> toSecond = {{bill, CloudDatabase::RecordCreated}, {bill, CloudDatabase::RecordUpdated},
                                    {"ActiveBills", CloudDatabase::RecordCreated}, lastToSecond};
    const QList<Change> toFirst = {{bill, CloudDatabase::RecordDeleted}, lastToFirst};
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return changes[1].contains(lastToSecond) && changes[0].contains(lastToFirst); }, 10000));
    EXPECT_EQ(changes[1], toSecond);
    EXPECT_EQ(changes[0], toFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Backends, CloudDatabaseContract,
    ::testing::Values(NamedBackend{"Memory", [] { return std::unique_ptr<CloudBackend>(new MemoryBackend); }},
                      NamedBackend{"Folder", [] { return std::unique_ptr<CloudBackend>(new FolderBackend); }}),
    [](const ::testing::TestParamInfo<NamedBackend>& info) { return std::string(info.param.name); });

}  // namespace
