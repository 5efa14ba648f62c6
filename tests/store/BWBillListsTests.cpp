#include "BWBillTestFixture.h"
#include "support/TestBillRecords.h"

#include "store/BWBillIndex.h"

namespace {

const QString Alpha = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
const QString Beta = QStringLiteral("FEDCBA9876543210FEDCBA9876543210");
const QString Gamma = QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");

const QByteArray DamagedIndex("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Active");

}  // namespace

class BWBillListsTest : public BWBillTest
{
protected:
    QByteArray indexBytes() const { return temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist")); }
    void damageIndex() const { temp.write(QStringLiteral("data/Orvane/Orvane.ovdata/billindex.plist"), DamagedIndex); }
    void turnOnAllChannels()
    {
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
        cloud.uid = QStringLiteral("user-1");
    }
};

// ---- Archive and restore ----

TEST_F(BWBillListsTest, ArchivingKeepsTheIdActiveAndMakesTheItemDueNever)
{
    storeFile(record(Alpha));
    storeIndex({Alpha});
    ASSERT_TRUE(writer().archiveBillWithBid(Alpha));

    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
    const QVariantMap stored = readFile(Alpha);
    EXPECT_EQ(stored.value(BillKeys::IsArchived), QVariant(true));
    EXPECT_EQ(stored.value(BillKeys::RemindMe), QVariant(false));
    EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
    EXPECT_EQ(reminders.calls, QStringList{"remove " + Alpha + " Rent"});
}

TEST_F(BWBillListsTest, ArchivingAnUnknownBillWritesNothing)
{
    storeIndex({Alpha});
    EXPECT_FALSE(writer().archiveBillWithBid(Alpha));
    EXPECT_FALSE(QFileInfo::exists(billPath(Alpha)));
}

// What archiving replaced comes back on restore, unless the user changed it
// in the meantime; an item archived by an earlier version (which kept
// nothing) stays due never and without reminders.
TEST_F(BWBillListsTest, RestoringGivesBackTheDueDateAndRemindersThatArchivingReplaced)
{
    const QDateTime due = utc(2016, 3, 20);
    const QDateTime never = PropertyList::distantFuture();
    struct Case {
        const char* what;
        bool remindMe;
        int archives;
        std::optional<QDateTime> dueDateSetWhileArchived;
        bool archivedByEarlierVersion;
        QDateTime restoredDueDate;
        bool restoredRemindMe;
    };
    const QList<Case> cases{
        {"due date and reminders come back", true, 1, {}, false, due, true},
        {"reminders stay off when they were off", false, 1, {}, false, due, false},
        {"a second archive keeps the first one's values", true, 2, {}, false, due, true},
        {"a date set while archived stands", true, 1, utc(2016, 5, 2), false, utc(2016, 5, 2), true},
        {"an earlier version's archive kept nothing", true, 1, {}, true, never, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        storeFile(with(record(Alpha), BillKeys::RemindMe, c.remindMe));
        storeIndex({Alpha});
        for (int i = 0; i < c.archives; ++i)
            ASSERT_TRUE(writer().archiveBillWithBid(Alpha));
        EXPECT_EQ(readFile(Alpha).value(BillKeys::DueDate).toDateTime(), never);
        if (c.dueDateSetWhileArchived) {
            ASSERT_TRUE(writer().saveSpecificKey(BillKeys::DueDate, *c.dueDateSetWhileArchived, Alpha));
        }
        if (c.archivedByEarlierVersion) {
            QVariantMap archived = readFile(Alpha);
            archived.remove(BillKeys::DueDateBeforeArchive);
            archived.remove(BillKeys::RemindMeBeforeArchive);
            storeFile(archived);
        }
        reminders.calls.clear();
        ASSERT_TRUE(writer().restoreBillWithBid(Alpha));

        EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
        const QVariantMap stored = readFile(Alpha);
        EXPECT_EQ(stored.value(BillKeys::IsArchived), QVariant(false));
        EXPECT_EQ(stored.value(BillKeys::DueDate).toDateTime(), c.restoredDueDate);
        EXPECT_EQ(stored.value(BillKeys::RemindMe), QVariant(c.restoredRemindMe));
        EXPECT_EQ(reminders.calls.contains("create " + Alpha), c.restoredRemindMe);
        EXPECT_FALSE(stored.contains(BillKeys::DueDateBeforeArchive));
        EXPECT_FALSE(stored.contains(BillKeys::RemindMeBeforeArchive));
    }
}

TEST_F(BWBillListsTest, TheDueDateKeptByAnArchiveTravelsThroughFirebaseAsANumber)
{
    storeFile(record(Alpha));
    storeIndex({Alpha});
    ASSERT_TRUE(writer().archiveBillWithBid(Alpha));
    const QVariantMap archived = readFile(Alpha);
    EXPECT_EQ(archived.value(BillKeys::DueDateBeforeArchive).toDateTime(), utc(2016, 3, 20));

    const QVariantMap firebase = BWBill::convertDatesToNumbersWithDictionary(archived);
    EXPECT_EQ(firebase.value(BillKeys::DueDateBeforeArchive).typeId(), QMetaType::Double);
    EXPECT_EQ(BWBill::convertNumbersToDatesWithDictionary(firebase).value(BillKeys::DueDateBeforeArchive),
              archived.value(BillKeys::DueDateBeforeArchive));
    EXPECT_FALSE(BWBill::convertDatesToNumbersWithDictionary(record(Alpha)).contains(BillKeys::DueDateBeforeArchive));
}

TEST_F(BWBillListsTest, RestoringFromTheOlderArchiveListMovesTheIdToActive)
{
    storeFile(record(Alpha));
    storeIndex({Beta}, {Gamma}, {Alpha});
    ASSERT_TRUE(writer().restoreBillWithBid(Alpha));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), (QStringList{Beta, Alpha}));
    EXPECT_EQ(indexList(IndexKeys::ArchivedBills), QStringList());
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Gamma});
    EXPECT_TRUE(reminders.calls.filter(QStringLiteral("remove")).size() == 1) << "only the rewrite renews reminders";
}

TEST_F(BWBillListsTest, RestoringABillWhoseFileIsGoneStillMovesItsId)
{
    storeIndex({}, {}, {Alpha});
    EXPECT_FALSE(writer().restoreBillWithBid(Alpha));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
}

// ---- Delete ----

TEST_F(BWBillListsTest, DeletingMovesTheIdToDeletedAndKeepsTheFile)
{
    turnOnAllChannels();
    storeFile(record(Alpha));
    storeIndex({Alpha, Beta}, {}, {Gamma});
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));

    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Beta});
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Alpha});
    EXPECT_EQ(indexList(IndexKeys::ArchivedBills), QStringList{Gamma});
    EXPECT_TRUE(QFileInfo::exists(billPath(Alpha)));
    EXPECT_EQ(reminders.calls, QStringList{"remove " + Alpha + " Rent"});
    EXPECT_EQ(cloud.firebaseRemovals, QStringList{Alpha});
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("activebills")), ids({Beta}));
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("deletedbills")), ids({Alpha}));
}

TEST_F(BWBillListsTest, DeletingAnOlderArchivedIdMovesItFromTheArchiveList)
{
    storeIndex({Beta}, {}, {Alpha});
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Beta});
    EXPECT_EQ(indexList(IndexKeys::ArchivedBills), QStringList());
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Alpha});
}

TEST_F(BWBillListsTest, DeletingAnIdInNoListChangesNothingButStillUploads)
{
    turnOnAllChannels();
    storeIndex({Beta}, {Gamma});
    const QByteArray before = indexBytes();
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));

    EXPECT_EQ(indexBytes(), before);
    EXPECT_TRUE(reminders.calls.isEmpty());
    ASSERT_EQ(cloud.cloudKitIndexes.size(), 2);
    EXPECT_EQ(cloud.cloudKitIndexes.at(0).listName, IndexKeys::ActiveBills);
    EXPECT_EQ(cloud.cloudKitIndexes.at(0).billIDs, QStringList{Beta});
    EXPECT_EQ(cloud.cloudKitIndexes.at(1).listName, IndexKeys::DeletedBills);
    EXPECT_EQ(cloud.cloudKitIndexes.at(1).billIDs, QStringList{Gamma});
    EXPECT_EQ(cloud.firebaseRemovals, QStringList{Alpha});
}

TEST_F(BWBillListsTest, DeletingAnIdThatIsActiveAndDeletedListsItOnceAsDeleted)
{
    storeIndex({Alpha, Beta}, {Alpha});
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Beta});
    EXPECT_EQ(indexList(IndexKeys::DeletedBills), QStringList{Alpha});
}

TEST_F(BWBillListsTest, DeletingWithoutAnIndexSendsNoEmptyListsButRemovesTheFirebaseCopy)
{
    turnOnAllChannels();
    ASSERT_TRUE(writer().deleteBillWithBid(Alpha));
    EXPECT_FALSE(QFileInfo::exists(indexPath()));
    EXPECT_TRUE(cloud.keyValueKeys.isEmpty());
    EXPECT_TRUE(cloud.cloudKitIndexes.isEmpty());
    EXPECT_EQ(cloud.firebaseRemovals, QStringList{Alpha});
}

// ---- Moves ----

TEST_F(BWBillListsTest, MoveWritesExactlyTheThreeListsAndRemovesEveryCopyOfTheId)
{
    storeIndex({Alpha, Beta, Alpha}, {}, {});
    ASSERT_TRUE(writer().moveBill(Alpha, IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills,
                                  false));
    const QVariantMap index = readIndex();
    EXPECT_EQ(index.value(IndexKeys::ActiveBills), ids({Beta}));
    EXPECT_EQ(index.value(IndexKeys::ArchivedBills), ids({Alpha}));
    EXPECT_EQ(index.value(IndexKeys::DeletedBills), QVariantList());
    EXPECT_TRUE(reminders.calls.isEmpty());
}

TEST_F(BWBillListsTest, MoveIntoAnEmptyActiveListIsUploadedLikeAnyAddition)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    storeIndex({}, {}, {Alpha});
    ASSERT_TRUE(writer().moveBill(Alpha, IndexKeys::ArchivedBills, IndexKeys::ActiveBills, IndexKeys::DeletedBills,
                                  false));
    ASSERT_EQ(cloud.cloudKitIndexes.size(), 1);
    EXPECT_EQ(cloud.cloudKitIndexes.first().billIDs, QStringList{Alpha});

    // Already there: not an addition, nothing more goes out.
    ASSERT_TRUE(writer().moveBill(Alpha, IndexKeys::ArchivedBills, IndexKeys::ActiveBills, IndexKeys::DeletedBills,
                                  false));
    EXPECT_EQ(cloud.cloudKitIndexes.size(), 1);
}

// ---- Whole-index operations ----

TEST_F(BWBillListsTest, DeleteAllBillsEmptiesTheListsAndSendsNothing)
{
    turnOnAllChannels();
    storeIndex({Alpha}, {Beta}, {Gamma});
    ASSERT_TRUE(writer().deleteAllBills());
    const QVariantMap index = readIndex();
    EXPECT_EQ(index.size(), 3);
    for (const QString& key : {IndexKeys::ActiveBills, IndexKeys::DeletedBills, IndexKeys::ArchivedBills})
        EXPECT_EQ(index.value(key), QVariantList()) << key.toStdString();
    EXPECT_TRUE(cloud.nothingHandedOver());
}

// Lists replaced wholesale (a restore, an erase): what is gone is deleted on
// the channels with a tombstone, what is listed goes out again, newly dated.
TEST_F(BWBillListsTest, ReplacedListsGoToEveryChannelThatIsOn)
{
    struct Case
    {
        const char* name;
        bool channelsOn;
    };
    for (const Case c : {Case{"channels on", true}, Case{"channels off", false}}) {
        SCOPED_TRACE(c.name);
        FakeCloudChannels fresh;
        cloud = fresh;
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, c.channelsOn);
        defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, c.channelsOn);
        cloud.uid = c.channelsOn ? QStringLiteral("user-1") : QString();
        storeFile(record(Alpha));
        storeIndex({Alpha, Beta}, {Gamma});
        const BWBillIndex before(dataFolder());
        storeIndex({Alpha});   // as a restored backup lists them

        clock.setNow(QDateTime(QDate(2030, 1, 2), QTime(12, 0), QTimeZone::utc()));
        ASSERT_TRUE(writer().handReplacedListsToChannels(before));

        // Gone here: a tombstone, kept with the older ones; without sync the
        // lists stay as replaced.
        EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{Alpha});
        EXPECT_EQ(indexList(IndexKeys::DeletedBills), c.channelsOn ? (QStringList{Beta, Gamma}) : QStringList());
        EXPECT_EQ(cloud.firebaseRemovals, c.channelsOn ? QStringList{Beta} : QStringList());
        // Listed: written again with this moment, and handed on.
        const QDateTime stamp = readFile(Alpha).value(BillKeys::SyncModificationDate).toDateTime();
        EXPECT_EQ(stamp == clock.now(), c.channelsOn);
        // Alpha brought back, and the tombstone of Beta.
        EXPECT_EQ(cloud.cloudKitBills.size(), c.channelsOn ? 2 : 0);
        EXPECT_EQ(cloud.firebaseSaves.size(), c.channelsOn ? 1 : 0);
        if (c.channelsOn) {
            ASSERT_EQ(cloud.cloudKitIndexes.size(), 2);
            EXPECT_EQ(cloud.cloudKitIndexes.at(1).listName, IndexKeys::DeletedBills);
        }
    }
}

TEST_F(BWBillListsTest, DeleteAllBillsReplacesAnUnreadableIndex)
{
    damageIndex();
    ASSERT_TRUE(writer().deleteAllBills());
    EXPECT_EQ(readIndex().value(IndexKeys::ActiveBills), QVariantList());
}

TEST_F(BWBillListsTest, RestoreDeletedBillsEmptiesOnlyTheDeletedList)
{
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, ids({Alpha})},
                                                             {IndexKeys::DeletedBills, ids({Beta})}}));
    ASSERT_TRUE(writer().restoreDeletedBills());
    const QVariantMap index = readIndex();
    EXPECT_EQ(index.value(IndexKeys::ActiveBills), ids({Alpha}));
    EXPECT_EQ(index.value(IndexKeys::ArchivedBills), QVariantList());
    EXPECT_EQ(index.value(IndexKeys::DeletedBills), QVariantList());
}

TEST_F(BWBillListsTest, OverwritingWithAListKeySendsThatListOut)
{
    defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled, true);
    const QVariantMap merged{{IndexKeys::ActiveBills, ids({Alpha})},
                             {IndexKeys::DeletedBills, ids({Beta})},
                             {IndexKeys::ArchivedBills, ids({Gamma})}};
    const QString keys[] = {QStringLiteral("activebills"), QStringLiteral("deletedbills"),
                            QStringLiteral("archivedbills"), QStringLiteral("other")};
    for (const QString& key : keys)
        ASSERT_TRUE(writer().overWriteIndexFileWithDictionary(merged, key));
    EXPECT_EQ(readIndex(), merged);
    EXPECT_EQ(cloud.keyValueKeys,
              (QStringList{QStringLiteral("activebills"), QStringLiteral("deletedbills"), QStringLiteral("archivedbills")}));
    EXPECT_EQ(cloud.keyValueStore.value(QStringLiteral("archivedbills")), ids({Gamma}));
}

TEST_F(BWBillListsTest, OverwritingWithStringListsStoresThemAsLists)
{
    const QVariantMap merged{{IndexKeys::ActiveBills, QStringList{Alpha}},
                             {IndexKeys::DeletedBills, QStringList{Beta}},
                             {IndexKeys::ArchivedBills, QStringList()}};
    ASSERT_TRUE(writer().overWriteIndexFileWithDictionary(merged, QStringLiteral("activebills")));
    EXPECT_EQ(readIndex(), (QVariantMap{{IndexKeys::ActiveBills, ids({Alpha})},
                                        {IndexKeys::DeletedBills, ids({Beta})},
                                        {IndexKeys::ArchivedBills, QVariantList()}}));
}

TEST_F(BWBillListsTest, OverwritingWithAllKeysSendsActiveAndDeletedOnly)
{
    turnOnAllChannels();
    const QVariantMap compacted{{IndexKeys::ActiveBills, ids({Alpha})},
                                {IndexKeys::DeletedBills, QVariantList()},
                                {IndexKeys::ArchivedBills, ids({Gamma})}};
    ASSERT_TRUE(writer().overWriteIndexFileWithDictionary(compacted, true));
    EXPECT_EQ(cloud.keyValueKeys, (QStringList{QStringLiteral("activebills"), QStringLiteral("deletedbills")}));
    EXPECT_EQ(cloud.cloudKitIndexes.size(), 2);

    cloud = FakeCloudChannels();
    ASSERT_TRUE(writer().overWriteIndexFileWithDictionary(compacted, false));
    EXPECT_TRUE(cloud.nothingHandedOver());
}

// ---- An index that cannot be read is never overwritten ----

TEST_F(BWBillListsTest, UnreadableIndexRefusesEveryListChange)
{
    turnOnAllChannels();
    damageIndex();
    storeFile(record(Alpha));

    EXPECT_FALSE(writer().deleteBillWithBid(Alpha));
    EXPECT_FALSE(writer().restoreBillWithBid(Alpha));
    EXPECT_FALSE(writer().moveBill(Alpha, IndexKeys::ActiveBills, IndexKeys::DeletedBills, IndexKeys::ArchivedBills,
                                   true));
    EXPECT_FALSE(writer().restoreDeletedBills());
    EXPECT_FALSE(writer().overWriteIndexFileWithDictionary(QVariantMap{{IndexKeys::ActiveBills, QVariantList()}},
                                                           true));
    EXPECT_FALSE(writer().overWriteIndexFileWithDictionary(QVariantMap{}, QStringLiteral("activebills")));

    EXPECT_EQ(indexBytes(), DamagedIndex);
    EXPECT_TRUE(cloud.nothingHandedOver());
    EXPECT_TRUE(reminders.calls.isEmpty());
}

TEST_F(BWBillListsTest, IndexWhoseListIsNoListCountsAsUnreadable)
{
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(PropertyList::write(indexPath(), QVariantMap{{IndexKeys::ActiveBills, QStringLiteral("oops")}}));
    const QByteArray before = indexBytes();
    EXPECT_FALSE(writer().deleteBillWithBid(Alpha));
    EXPECT_EQ(indexBytes(), before);
}

TEST_F(BWBillListsTest, MergedIndexWhoseListIsNoListIsNotWritten)
{
    storeIndex({Alpha});
    const QByteArray before = indexBytes();
    EXPECT_FALSE(writer().overWriteIndexFileWithDictionary(QVariantMap{{IndexKeys::ActiveBills, qlonglong(3)}},
                                                           QStringLiteral("activebills")));
    EXPECT_EQ(indexBytes(), before);
}
