#include "BWBillTestFixture.h"

#include <QTimeZone>

#include "store/BWBillMerge.h"

namespace {

const QString Alpha = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
const QString Beta = QStringLiteral("FEDCBA9876543210FEDCBA9876543210");

struct Channels {
    bool keyValue;    // iCloudSyncEnabled
    bool cloudKit;    // iCloudSyncEnabled2
    bool signedIn;    // a Firebase user
};

std::string channelName(const ::testing::TestParamInfo<Channels>& info)
{
    return std::string(info.param.keyValue ? "KeyValue" : "NoKeyValue") + (info.param.cloudKit ? "CloudKit" : "NoCloudKit")
           + (info.param.signedIn ? "SignedIn" : "SignedOut");
}

}  // namespace

// Every operation under every combination of the three channels.
class BWBillCloudTest : public BWBillTest, public ::testing::WithParamInterface<Channels>
{
protected:
    BWBillCloudTest()
    {
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, GetParam().keyValue);
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, GetParam().cloudKit);
        if (GetParam().signedIn)
            cloud.uid = QStringLiteral("user-1");
    }

    BWBill editedItem(const QString& billID) const
    {
        BWBill bill = writer();
        bill.bid = billID;
        bill.name = QStringLiteral("Phone");
        bill.dueDate = utc(2016, 3, 20);
        bill.tags = QStringList{};
        return bill;
    }

    void expectBillSent(const QString& billID, bool toFirebase)
    {
        const QVariantMap stored = readFile(billID);
        if (GetParam().keyValue)
            EXPECT_EQ(cloud.keyValueStore.value(billID).toMap(), stored);
        else
            EXPECT_FALSE(cloud.keyValueStore.contains(billID));
        ASSERT_EQ(cloud.cloudKitBills.size(), GetParam().cloudKit ? 1 : 0);
        if (GetParam().cloudKit) {
            EXPECT_EQ(cloud.cloudKitBills.first().billID, billID);
            EXPECT_EQ(cloud.cloudKitBills.first().record, stored);
        }
        const bool firebase = toFirebase && GetParam().signedIn;
        ASSERT_EQ(cloud.firebaseSaves.size(), firebase ? 1 : 0);
        if (firebase) {
            EXPECT_EQ(cloud.firebaseSaves.first().billID, billID);
            EXPECT_EQ(cloud.firebaseSaves.first().record, BWBill::firebaseFormOf(stored));
        }
    }

    QList<FakeCloudChannels::IndexUpload> expectedActiveUpload(const QStringList& active) const
    {
        if (!GetParam().cloudKit)
            return {};
        return {{active, IndexKeys::ActiveBills}};
    }
};

bool operator==(const FakeCloudChannels::IndexUpload& a, const FakeCloudChannels::IndexUpload& b)
{
    return a.billIDs == b.billIDs && a.listName == b.listName;
}

TEST_P(BWBillCloudTest, NewItemSendsRecordAndActiveList)
{
    storeIndex({Beta});
    ASSERT_TRUE(editedItem(Alpha).writeBill(false));
    expectBillSent(Alpha, true);
    EXPECT_EQ(cloud.cloudKitIndexes, expectedActiveUpload({Beta, Alpha}));
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("activebills")),
              GetParam().keyValue ? QVariant(ids({Beta, Alpha})) : QVariant());
}

TEST_P(BWBillCloudTest, ExistingItemSendsOnlyItsRecord)
{
    storeIndex({Alpha});
    ASSERT_TRUE(editedItem(Alpha).writeBill(true));
    expectBillSent(Alpha, true);
    EXPECT_TRUE(cloud.cloudKitIndexes.isEmpty());
    EXPECT_FALSE(cloud.keyValueStore.contains(QStringLiteral("activebills")));
}

TEST_P(BWBillCloudTest, ItemFromFirebaseIsNotSentBackThereAndKeepsItsStamp)
{
    QVariantMap incoming = record(Alpha);
    incoming.insert(BillKeys::ModificationDateForFirebase, 1400000000.5);
    incoming.insert(BillKeys::SyncModificationDate, utc(2014, 5, 13));
    ASSERT_TRUE(writer().writeBillFromFirebase(incoming, false));
    expectBillSent(Alpha, false);
    // The other channels get it with its own moment (the later of an earlier
    // version's two, to the second), so none of them sees it as a newer
    // change to send back.
    EXPECT_DOUBLE_EQ(readFile(Alpha).value(BillKeys::ModificationDateForFirebase).toDouble(), 1400000000.0);
    EXPECT_EQ(readFile(Alpha).value(BillKeys::SyncModificationDate).toDateTime(),
              QDateTime::fromSecsSinceEpoch(1400000000, QTimeZone::utc()));
    EXPECT_EQ(cloud.cloudKitIndexes, expectedActiveUpload({Alpha}));
}

TEST_P(BWBillCloudTest, RewriteSendsTheRecordEverywhere)
{
    ASSERT_TRUE(writer().rewriteSpecificBill(record(Alpha)));
    expectBillSent(Alpha, true);
    EXPECT_TRUE(cloud.cloudKitIndexes.isEmpty());
}

TEST_P(BWBillCloudTest, RewriteWithoutICloudSendsOnlyToFirebase)
{
    storeIndex({Alpha});
    ASSERT_TRUE(writer().rewriteSpecificBillWithoutUpdatingiCloud(record(Alpha)));
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
    EXPECT_TRUE(cloud.cloudKitBills.isEmpty());
    EXPECT_EQ(cloud.firebaseSaves.size(), GetParam().signedIn ? 1 : 0);
}

TEST_P(BWBillCloudTest, RewriteWithoutFirebaseSendsOnlyToICloud)
{
    ASSERT_TRUE(writer().rewriteBill(record(Alpha), true, false));
    expectBillSent(Alpha, false);
}

TEST_P(BWBillCloudTest, DeleteSendsBothListsAndRemovesTheFirebaseCopy)
{
    storeIndex({Alpha, Beta});
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));
    QList<FakeCloudChannels::IndexUpload> expected;
    if (GetParam().cloudKit)
        expected = {{{Beta}, IndexKeys::ActiveBills}, {{Alpha}, IndexKeys::DeletedBills}};
    EXPECT_EQ(cloud.cloudKitIndexes, expected);
    const QStringList expectedKeys = GetParam().keyValue ? QStringList{"activebills", "deletedbills"} : QStringList();
    EXPECT_EQ(cloud.keyValueKeys, expectedKeys);
    EXPECT_EQ(cloud.firebaseRemovals, GetParam().signedIn ? QStringList{Alpha} : QStringList());
    // The record database gets the bill's tombstone: the deletion with its stamp.
    ASSERT_EQ(cloud.cloudKitBills.size(), GetParam().cloudKit ? 1 : 0);
    if (GetParam().cloudKit) {
        EXPECT_TRUE(BWBillMerge::isDeleted(cloud.cloudKitBills.first().record));
    }
}

TEST_P(BWBillCloudTest, ArchivedListGoesOnlyToTheKeyValueStore)
{
    writer().uploadArchivedBillsToiCloud({Alpha});
    EXPECT_TRUE(cloud.cloudKitIndexes.isEmpty());
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("archivedbills")),
              GetParam().keyValue ? QVariant(ids({Alpha})) : QVariant());
}

INSTANTIATE_TEST_SUITE_P(AllChannels, BWBillCloudTest,
                         ::testing::Values(Channels{false, false, false}, Channels{true, false, false},
                                           Channels{false, true, false}, Channels{false, false, true},
                                           Channels{true, true, true}),
                         channelName);

TEST_F(BWBillTest, WritesWithoutCloudOrRemindersStillStoreTheBill)
{
    env.cloud = nullptr;
    env.reminders = nullptr;
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    EXPECT_TRUE(writer().finishWritingBillWithDictionary(record(Alpha), false, true));
    EXPECT_TRUE(writer().deleteBillWithBid(Alpha));
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Alpha});
}
