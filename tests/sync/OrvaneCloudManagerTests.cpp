#include "support/SyncDevice.h"

#include "store/BWBillMerge.h"
#include "store/BWBillsLoader.h"
#include "store/BWImportManager.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QDateTime Start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());

// Two computers of one user on one cloud, each with its own data folder and
// clock; B's clock runs an hour behind A's unless a test moves it.
class TwoDevicesTest : public TwoSyncDevicesTest
{
protected:
    TwoDevicesTest()
        : TwoSyncDevicesTest(Start, Start.addSecs(-3600))
    {
        a.engine->turnCloudSyncOn();
        b.engine->turnCloudSyncOn();
        settle();
    }

    // A bill both devices hold, as it came from A.
    QString sharedBill()
    {
        const QString billID = a.addBill(QStringLiteral("Rent"), 900.0);
        settle();
        EXPECT_EQ(b.bill(billID).value(BillKeys::Name).toString(), "Rent");
        return billID;
    }
};

}  // namespace

TEST_F(TwoDevicesTest, EditOnOneDeviceReachesTheOther)
{
    const QString billID = sharedBill();
    EXPECT_EQ(b.shownBills(), QStringList{billID});

    a.advance(60);
    ASSERT_TRUE(a.edit(billID, BillKeys::Amount, 950.0));
    settle();
    EXPECT_EQ(b.bill(billID).value(BillKeys::Amount).toDouble(), 950.0);
    // The copy keeps the moment it was made, and is not sent back.
    EXPECT_EQ(b.bill(billID).value(BillKeys::SyncModificationDate).toDateTime(),
              a.bill(billID).value(BillKeys::SyncModificationDate).toDateTime());
    const int requests = server.requestCount();
    settle();
    EXPECT_EQ(server.requestCount(), requests);
}

TEST_F(TwoDevicesTest, ConcurrentEditsEndWithTheLaterCopyOnBoth)
{
    // Whichever device syncs first, the later edit wins everywhere.
    for (const bool aSyncsFirst : {true, false}) {
        SCOPED_TRACE(aSyncsFirst);
        const QString billID = sharedBill();
        setOnline(false);
        a.advance(7200);
        ASSERT_TRUE(a.edit(billID, BillKeys::Name, QStringLiteral("Rent (A)")));
        b.advance(7200 + 3600 + 30);   // 30 s after A's edit
        ASSERT_TRUE(b.edit(billID, BillKeys::Name, QStringLiteral("Rent (B)")));
        settle();
        setOnline(true);
        aSyncsFirst ? syncBoth(a, b) : syncBoth(b, a);

        EXPECT_EQ(a.bill(billID).value(BillKeys::Name).toString(), "Rent (B)");
        EXPECT_EQ(b.bill(billID).value(BillKeys::Name).toString(), "Rent (B)");
        EXPECT_EQ(server.record(billID)->fields.value(BillKeys::Name).toString(), "Rent (B)");
    }
}

// A deletion holds over every copy changed before it; a change made after
// it, on a device that had not heard of it, brings the bill back on both.
TEST_F(TwoDevicesTest, ADeletionHoldsOverOlderCopiesAndALaterChangeBringsTheBillBack)
{
    struct Case {
        const char* name;
        bool deleterOffline;   // else the editor is offline
        int editAfterDeletion;  // seconds; 0 for no edit
        bool back;
    };
    const Case cases[] = {
        {"older copy from an offline device", false, 0, false},
        {"copy edited offline after the deletion", false, 60, true},
        // Stamped before the deletion, but the deleting device had not seen it.
        {"edit pushed while the deleting device was offline", true, -60, true},
        {"later edit pushed while the deleting device was offline", true, 60, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Past every stamp of the cases before, so that the clocks order these.
        a.advance(600);
        const QString billID = sharedBill();
        MemoryCloudDatabase* offline = (c.deleterOffline ? containerA : containerB).memoryDatabase();
        offline->setSignedIn(false);
        a.advance(30);
        ASSERT_TRUE(a.remove(billID));
        if (c.editAfterDeletion != 0) {
            b.clock.setNow(a.clock.now().addSecs(c.editAfterDeletion));
            ASSERT_TRUE(b.edit(billID, BillKeys::Notes, QStringLiteral("edited elsewhere")));
        }
        settle();
        offline->setSignedIn(true);
        syncBoth(a, b);

        for (SyncDevice* device : {&a, &b}) {
            EXPECT_EQ(device->shownBills().contains(billID), c.back);
            EXPECT_EQ(device->list(IndexKeys::DeletedBills).contains(billID), !c.back);
            if (c.back) {
                EXPECT_EQ(device->bill(billID).value(BillKeys::Notes).toString(), "edited elsewhere");
            }
        }
        EXPECT_EQ(server.record(IndexKeys::DeletedBills)->fields.value("Bids").toStringList().contains(billID),
                  !c.back);
        EXPECT_EQ(BWBillMerge::isDeleted(OrvaneCloudManager::convertRecordintoBill(*server.record(billID), QString())),
                  !c.back);
        b.clock.setNow(a.clock.now().addSecs(-3600));
    }
}

// The date a bill last changed is read from the same stamps the merge
// orders copies by: B, an hour behind, stamps its edit after A's all the same.
TEST_F(TwoDevicesTest, ABillsModificationDateIsItsLatestStampWhateverTheClock)
{
    EXPECT_EQ(a.engine->modificationDateForBillID(BWUIDMaker::makeUID()), PropertyList::distantPast());
    const QString billID = sharedBill();
    const QDateTime created = a.engine->modificationDateForBillID(billID);
    EXPECT_EQ(created, a.clock.now());
    EXPECT_EQ(b.engine->modificationDateForBillID(billID), created);
    const QString stampOfCreation = BWBillMerge::latestStamp(a.bill(billID));

    ASSERT_TRUE(b.edit(billID, BillKeys::Notes, QStringLiteral("edited an hour behind")));
    settle();
    EXPECT_GT(BWBillMerge::latestStamp(b.bill(billID)), stampOfCreation);
    EXPECT_GE(b.engine->modificationDateForBillID(billID), created);
    EXPECT_EQ(a.engine->modificationDateForBillID(billID), b.engine->modificationDateForBillID(billID));
    EXPECT_EQ(a.bill(billID).value(BillKeys::Notes).toString(), "edited an hour behind");

    a.advance(60);
    ASSERT_TRUE(a.remove(billID));
    EXPECT_EQ(a.engine->modificationDateForBillID(billID), a.clock.now());
}

TEST_F(TwoDevicesTest, PaymentsLoggedOnBothDevicesOfflineAreAllKept)
{
    const QString billID = sharedBill();
    setOnline(false);
    a.advance(600);
    ASSERT_TRUE(a.pay(billID, 900.0, QStringLiteral("paid on A")));
    b.advance(3600 + 900);
    ASSERT_TRUE(b.pay(billID, 50.0, QStringLiteral("paid on B")));
    settle();
    setOnline(true);
    syncBoth(a, b);

    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->paymentNotes(billID), (QStringList{"paid on A", "paid on B"}));
        EXPECT_EQ(device->bill(billID).value(BillKeys::TotalPaid).toDouble(), 950.0);
    }
    // A payment reversed later on one device stays reversed: that copy is
    // newer and holds no payment the other lacks.
    b.advance(600);
    QVariantList payments = BWPaymentLogger::paymentsNewestFirst(b.bill(billID).value(BillKeys::PaymentList).toList());
    ASSERT_TRUE(BWPaymentLogger(b.env).reverseLastPaymentForBill(billID, payments));
    settle();
    syncBoth(a, b);
    EXPECT_EQ(a.paymentNotes(billID).size(), 1);
    EXPECT_EQ(a.paymentNotes(billID), b.paymentNotes(billID));
}

TEST_F(TwoDevicesTest, PaymentIsKeptWhenTheOtherDeviceLaterChangedSomethingElse)
{
    const QString billID = sharedBill();
    containerB.memoryDatabase()->setSignedIn(false);
    a.advance(60);
    ASSERT_TRUE(a.pay(billID, 900.0, QStringLiteral("paid on A")));
    b.advance(3600 + 120);   // after A's payment, unaware of it
    ASSERT_TRUE(b.edit(billID, BillKeys::Notes, QStringLiteral("landlord changed")));
    settle();
    containerB.memoryDatabase()->setSignedIn(true);
    syncBoth(b, a);

    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->paymentNotes(billID), QStringList{"paid on A"});
        EXPECT_EQ(device->bill(billID).value(BillKeys::Notes).toString(), "landlord changed");
    }
}

TEST_F(TwoDevicesTest, AnOlderCopyArrivingLateChangesNothing)
{
    const QString billID = sharedBill();
    const CloudRecord before = *server.record(billID);
    a.advance(60);
    ASSERT_TRUE(a.pay(billID, 900.0, QStringLiteral("paid on A")));
    settle();
    ASSERT_EQ(b.paymentNotes(billID), QStringList{"paid on A"});

    // The answer to a fetch made before the payment, arriving after it.
    for (SyncDevice* device : {&a, &b})
        EXPECT_FALSE(device->engine->saveRecordLocally(before, true));
    settle();
    syncBoth(a, b);
    for (SyncDevice* device : {&a, &b})
        EXPECT_EQ(device->paymentNotes(billID), QStringList{"paid on A"});
    EXPECT_EQ(server.record(billID)->fields.value("PaymentListNotes").toStringList(), QStringList{"paid on A"});
}

TEST_F(TwoDevicesTest, IdListsConverge)
{
    setOnline(false);
    const QString fromA1 = a.addBill(QStringLiteral("Water"), 30.0);
    const QString fromA2 = a.addBill(QStringLiteral("Power"), 60.0);
    const QString fromB = b.addBill(QStringLiteral("Phone"), 40.0);
    settle();
    setOnline(true);
    syncBoth(b, a);

    QStringList all{fromA1, fromA2, fromB};
    all.sort();
    EXPECT_EQ(a.shownBills(), all);
    EXPECT_EQ(b.shownBills(), all);
    QStringList inCloud = server.record(IndexKeys::ActiveBills)->fields.value("Bids").toStringList();
    inCloud.sort();
    EXPECT_EQ(inCloud, all);
    // The list record names itself.
    EXPECT_EQ(server.record(IndexKeys::ActiveBills)->fields.value("Bid").toString(), IndexKeys::ActiveBills);
}

TEST_F(TwoDevicesTest, FullPassReadsEveryBatch)
{
    server.setBatchSize(2);
    containerB.memoryDatabase()->setSignedIn(false);
    QStringList ids;
    for (int i = 0; i < 6; ++i)
        ids.append(a.addBill(QStringLiteral("Bill %1").arg(i), 10.0 * i));
    settle();
    ASSERT_EQ(server.records(OrvaneCloudManager::BillRecordType).size(), 6);

    // One batch fails once on the way: it is asked for again.
    server.failQueryBatch(1);
    QSignalSpy retries(b.engine.get(), &OrvaneCloudManager::retryScheduled);
    containerB.memoryDatabase()->setSignedIn(true);
    b.engine->fetchAndUploadAllRecords();
    settle();
    for (const QString& billID : ids)
        EXPECT_FALSE(b.bill(billID).isEmpty()) << billID.toStdString();
    EXPECT_EQ(retries.count(), 1);
}

TEST_F(TwoDevicesTest, FailuresAreRetriedWithBackOffAndThenReported)
{
    struct Case {
        const char* what;
        std::function<void()> act;
        QString failing;
    };
    const QString billID = sharedBill();
    const Case cases[] = {
        {"upload", [&] { a.edit(billID, BillKeys::Amount, 1.0); }, billID},
        {"query", [&] { a.engine->fetchAndUploadAllRecords(); }, OrvaneCloudManager::IndexRecordType},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy retries(a.engine.get(), &OrvaneCloudManager::retryScheduled);
        QSignalSpy failures(a.engine.get(), &OrvaneCloudManager::syncFailed);
        containerA.memoryDatabase()->setSignedIn(false);
        c.act();
        ASSERT_TRUE(waitFor([&] { return failures.count() > 0; }));
        containerA.memoryDatabase()->setSignedIn(true);

        // Four attempts in all: three waits, each twice the one before.
        QList<int> delays;
        for (const QList<QVariant>& retry : retries)
            delays.append(retry.at(2).toInt());
        EXPECT_EQ(delays, (QList<int>{10, 20, 40}));
        EXPECT_EQ(failures.count(), 1);
        EXPECT_EQ(failures.at(0).at(0).toString(), c.failing);
        settle();
    }
}

// A retry still waiting when sync is switched off is dropped when it comes
// due: nothing more goes out, whether an upload or a full pass waited.
TEST_F(TwoDevicesTest, SwitchingOffDropsWaitingRetries)
{
    const QString billID = sharedBill();
    a.engine->setRetryPolicy({200, 200, 4});
    struct Case
    {
        const char* what;
        std::function<void()> act;
        QString retried;
    };
    const Case cases[] = {
        {"upload",
         [&] {
             EXPECT_TRUE(a.edit(billID, BillKeys::Amount, a.bill(billID).value(BillKeys::Amount).toDouble() + 1.0));
         },
         billID},
        {"full pass", [&] { a.engine->fetchAndUploadAllRecords(); }, OrvaneCloudManager::IndexRecordType},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        a.engine->turnCloudSyncOn();
        settle();
        const QVariantMap before = server.record(billID)->fields;
        QSignalSpy retries(a.engine.get(), &OrvaneCloudManager::retryScheduled);
        QSignalSpy dropped(a.engine.get(), &OrvaneCloudManager::retryDropped);
        containerA.memoryDatabase()->setSignedIn(false);
        a.advance(60);
        c.act();
        ASSERT_TRUE(waitFor([&] { return retries.count() > 0; }));
        a.engine->turnCloudSyncOff();
        containerA.memoryDatabase()->setSignedIn(true);
        ASSERT_TRUE(dropped.wait(10000));
        EXPECT_EQ(dropped.at(0).at(0).toString(), c.retried);
        EXPECT_EQ(retries.count(), 1);
        EXPECT_EQ(server.record(billID)->fields, before);
    }
}

// A restored backup and an erase before an import reach the other device,
// and the next passes neither bring erased bills back nor put newer cloud
// copies over restored ones.
TEST_F(TwoDevicesTest, RestoreAndEraseReachTheOtherDeviceAndStay)
{
    const QString kept = sharedBill();
    ASSERT_TRUE(BWBillsLoader(a.env).backupDatabase());
    a.advance(60);
    ASSERT_TRUE(a.edit(kept, BillKeys::Amount, 950.0));
    const QString later = a.addBill(QStringLiteral("Phone"), 40.0);
    settle();
    ASSERT_EQ(b.shownBills().size(), 2);

    a.advance(60);
    ASSERT_TRUE(BWBillsLoader(a.env).restoreDatabase());
    settle();
    syncBoth(a, b);
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->shownBills(), QStringList{kept});
        EXPECT_EQ(device->bill(kept).value(BillKeys::Amount).toDouble(), 900.0);
        EXPECT_TRUE(device->list(IndexKeys::DeletedBills).contains(later));
    }

    // Erase & Import on B: only the imported bill is left anywhere.
    TempFolder older;
    QDir().mkpath(older.file(QStringLiteral("Orvane/Data")));
    ASSERT_TRUE(PropertyList::write(older.file(QStringLiteral("Orvane/Data/Water.plist")),
                                    QVariantMap{{"Repeat_a", 1}, {"Repeat_b", "Months"},
                                                {"Next_Due", Start.addDays(20)}, {"Is_Active", true}}));
    b.advance(60);
    ASSERT_TRUE(BWImportManager(b.env)
                    .importDataFromPreviousVersionAtPath(older.file(QStringLiteral("Orvane")), true)
                    .complete());
    settle();
    syncBoth(b, a);
    ASSERT_EQ(b.shownBills().size(), 1);
    EXPECT_EQ(b.bill(b.shownBills().first()).value(BillKeys::Name).toString(), "Water");
    EXPECT_EQ(a.shownBills(), b.shownBills());
}

TEST_F(TwoDevicesTest, RecordsFromTheCloudCannotNameFilesOutsideTheDataFolder)
{
    const QString billID = sharedBill();
    // A record of an earlier version, which names its payments in four lists.
    CloudRecord hostile = *server.record(billID);
    hostile.fields.remove(BillKeys::PaymentList);
    hostile.fields.insert("PaymentListDates", QVariantList{Start, Start});
    hostile.fields.insert("PaymentListAmounts", QVariantList{5.0, 6.0, 7.0});
    hostile.fields.insert("PaymentListNotes", QVariantList{"one", "two"});
    hostile.fields.insert("PaymentListAttachments",
                          QVariantList{"/etc/passwd", "../../" + BWUIDMaker::makeUID() + ".pdf"});
    hostile.fields.insert("localModificationDate", Start.addDays(1));
    EXPECT_TRUE(b.engine->saveRecordLocally(hostile, false));

    QVariantMap receipts;
    for (const QVariant& payment : b.bill(billID).value(BillKeys::PaymentList).toList())
        receipts.insert(payment.toMap().value(PaymentKeys::Note).toString(),
                        payment.toMap().value(PaymentKeys::Receipt));
    ASSERT_EQ(receipts.size(), 2);  // the lists walked to the shorter
    EXPECT_EQ(receipts.value("one").toString(), "");
    EXPECT_TRUE(receipts.value("two").toString().startsWith(b.env.defaultDataFolder + "/"));

    CloudRecord badName = hostile;
    badName.recordName = "../billindex";
    badName.fields.insert(BillKeys::Bid, "../billindex");
    EXPECT_FALSE(b.engine->saveRecordLocally(badName, false));
    EXPECT_FALSE(b.engine->mergeAndSaveIndexLocally({"../x", "not-an-id"}, IndexKeys::ActiveBills, false));
    EXPECT_EQ(b.shownBills(), QStringList{billID});
}

TEST_F(TwoDevicesTest, UploadCarriesTheStoredDueDateAndNoDisplayKeys)
{
    const QString billID = sharedBill();
    const CloudRecord record = *server.record(billID);
    EXPECT_EQ(record.fields.value(BillKeys::DueDate).toDateTime(), a.bill(billID).value(BillKeys::DueDate).toDateTime());
    for (const QString& key : BillKeys::DisplayKeys)
        EXPECT_FALSE(record.fields.contains(key)) << key.toStdString();
    // Every stored key travels, the stamps of its changes too.
    for (const QString& key : a.bill(billID).keys())
        EXPECT_TRUE(record.fields.contains(key)) << key.toStdString();
    EXPECT_EQ(record.fields.value("localModificationDate").toDateTime(),
              a.bill(billID).value(BillKeys::SyncModificationDate).toDateTime());
    // The subscriptions of both devices, saved at each switch-on, stay two each.
    a.engine->turnCloudSyncOn();
    settle();
    EXPECT_EQ(server.subscriptionCount(), 4);
}

// Switched off at any point of a pass, B sends nothing more: no further
// batch is asked for and its own bill, which the pass would upload at its
// end, never leaves.
TEST(SwitchingSyncOffTest, StopsThePassUnderWay)
{
    for (const int sentBeforeOff : {1, 4, 8}) {
        SCOPED_TRACE(sentBeforeOff);
        MemoryCloudServer server;
        server.setBatchSize(1);
        {
            // A puts its bills in the cloud and leaves.
            MemoryCloudContainer containerA{&server};
            SyncDevice a{containerA, Start};
            a.engine->turnCloudSyncOn();
            for (int i = 0; i < 3; ++i)
                a.addBill(QStringLiteral("Bill %1").arg(i), 10.0 + i);
            ASSERT_TRUE(waitUntilQuiet(server, 200));
        }
        MemoryCloudContainer containerB{&server};
        SyncDevice b{containerB, Start.addSecs(60)};
        ASSERT_TRUE(b.defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, false));
        const QString onlyOnB = b.addBill(QStringLiteral("Phone"), 40.0);

        // Every answer comes late, so that the switch falls between two.
        server.setDelayMilliseconds(40);
        server.injectFault(MemoryCloudServer::Fault::Delay, MemoryCloudServer::Operation::Any, 1000);
        const int before = server.requestCount();
        b.engine->turnCloudSyncOn();
        ASSERT_TRUE(waitFor([&] { return server.requestCount() >= before + sentBeforeOff; }, 10000));
        b.engine->turnCloudSyncOff();
        const int sentAtOff = server.requestCount();
        ASSERT_TRUE(waitUntilQuiet(server, 300));
        EXPECT_EQ(server.requestCount(), sentAtOff);
        EXPECT_FALSE(server.record(onlyOnB).has_value());
    }
}

// An answer that arrives after sync was switched off is dropped whatever it
// answers: the cloud's list that an index save brings back adds nothing to
// the index here, and nothing more is asked for.
TEST(SwitchingSyncOffTest, DropsEveryAnswerThatArrivesAfterIt)
{
    for (const int sentBeforeOff : {1, 2, 3, 4}) {
        SCOPED_TRACE(sentBeforeOff);
        MemoryCloudServer server;
        QString onlyOnA;
        {
            MemoryCloudContainer containerA{&server};
            SyncDevice a{containerA, Start};
            a.engine->turnCloudSyncOn();
            onlyOnA = a.addBill(QStringLiteral("Water"), 20.0);
            ASSERT_TRUE(waitUntilQuiet(server, 200));
        }
        MemoryCloudContainer containerB{&server};
        SyncDevice b{containerB, Start.addSecs(60)};
        server.setDelayMilliseconds(40);
        server.injectFault(MemoryCloudServer::Fault::Delay, MemoryCloudServer::Operation::Any, 1000);
        const int before = server.requestCount();
        b.addBill(QStringLiteral("Phone"), 40.0);
        ASSERT_TRUE(waitFor([&] { return server.requestCount() >= before + sentBeforeOff; }, 10000));
        b.engine->turnCloudSyncOff();
        const int sentAtOff = server.requestCount();
        ASSERT_TRUE(waitUntilQuiet(server, 300));
        EXPECT_EQ(server.requestCount(), sentAtOff);
        EXPECT_FALSE(b.list(IndexKeys::ActiveBills).contains(onlyOnA));
    }
}
