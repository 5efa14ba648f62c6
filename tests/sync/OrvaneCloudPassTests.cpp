#include "support/RecordingStoreObserver.h"
#include "support/SyncDevice.h"

#include "platform/FileStamp.h"

#include <QSignalSpy>
#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

// The full pass merges the bills the cloud holds with the files here on a
// worker thread, and writes on the GUI thread. B hears of nothing but by its
// passes (it never subscribes), so each change A makes reaches it through
// the pass under test.
namespace {

const QDateTime Start(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());

class FullPassTest : public TwoSyncDevicesTest
{
protected:
    FullPassTest()
        : TwoSyncDevicesTest(Start, Start)
    {
        a.engine->turnCloudSyncOn();
        settle();
    }

    // B's full pass, to its end.
    void passOnB()
    {
        b.engine->fetchAndUploadAllRecords();
        settle();
    }
    // Until B's files of the bills were last changed long enough ago that a
    // change now is bound to give them a new stamp: only then does a pass
    // rely on their stamps.
    void letFilesSettle(const QStringList& ids)
    {
        ASSERT_TRUE(waitFor(
            [&] {
                return std::all_of(ids.cbegin(), ids.cend(), [&](const QString& billID) {
                    const auto stamp = FileStamp::of(QDir(b.env.defaultDataFolder).filePath(billID + ".plist"));
                    return stamp && stamp->settled();
                });
            },
            10000));
    }
};

}  // namespace

// The user pays on B while a pass that brings A's payment is being merged:
// the merge was made with the file as it stood before, and must not be
// written over the payment.
TEST_F(FullPassTest, AnEditMadeWhileAPassIsMergedStandsWithTheChangeThePassBrings)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    passOnB();
    ASSERT_FALSE(b.bill(rent).isEmpty());
    letFilesSettle({rent});

    a.advance(60);
    ASSERT_TRUE(a.pay(rent, 100.0, QStringLiteral("paid on A")));
    settle();
    b.advance(120);
    int edits = 0;
    QObject::connect(b.engine.get(), &OrvaneCloudManager::passBatchMerged, [&] {
        if (edits++ == 0) {
            EXPECT_TRUE(b.pay(rent, 50.0, QStringLiteral("paid on B")));
        }
    });
    passOnB();
    ASSERT_EQ(edits, 1);
    EXPECT_EQ(b.paymentNotes(rent), (QStringList{"paid on A", "paid on B"}));
    EXPECT_EQ(b.bill(rent).value(BillKeys::TotalPaid).toDouble(), 150.0);

    a.engine->fetchAndUploadAllRecords();
    settle();
    EXPECT_EQ(a.paymentNotes(rent), (QStringList{"paid on A", "paid on B"}));
}

// Switched off while a pass is under way, the engine writes nothing more:
// not the bills merged already, not the batches still to come, and nothing
// goes to the cloud.
TEST_F(FullPassTest, SwitchingSyncOffInTheMiddleOfAPassWritesNothingMore)
{
    server.setBatchSize(4);
    QStringList ids;
    for (int i = 0; i < 12; ++i)
        ids.append(a.addBill(QStringLiteral("Bill %1").arg(i), 10.0 + i));
    settle();
    passOnB();
    a.advance(60);
    for (const QString& billID : std::as_const(ids))
        ASSERT_TRUE(a.edit(billID, BillKeys::Amount, 99.0));
    settle();

    RecordingStoreObserver writes;
    b.env.observer = &writes;
    int sentAtOff = -1;
    QObject::connect(b.engine.get(), &OrvaneCloudManager::passBatchMerged, [&](int bills) {
        EXPECT_EQ(bills, 4);
        if (sentAtOff < 0) {
            b.engine->turnCloudSyncOff();
            sentAtOff = server.requestCount();
        }
    });
    QSignalSpy ended(b.engine.get(), &OrvaneCloudManager::passEnded);
    b.engine->fetchAndUploadAllRecords();
    ASSERT_TRUE(waitFor([&] { return sentAtOff >= 0; }, 10000));
    EXPECT_TRUE(b.engine->isIdle());
    // The pass is gone, and every answer to what was asked before the
    // switch has come in and been turned away.
    ASSERT_TRUE(
        waitFor([&] { return ended.count() == 1 && containerB.memoryDatabase()->messagesOutstanding() == 0; }, 10000));

    EXPECT_EQ(writes.calls, QStringList());
    EXPECT_EQ(server.requestCount(), sentAtOff);
    for (const QString& billID : std::as_const(ids))
        EXPECT_NE(b.bill(billID).value(BillKeys::Amount).toDouble(), 99.0) << billID.toStdString();
}

// A pass over bills in step with the cloud has nothing to merge: the cloud
// names them, and their files have not moved.
TEST_F(FullPassTest, APassOverBillsInStepMergesNothing)
{
    QStringList ids;
    for (int i = 0; i < 3; ++i)
        ids.append(a.addBill(QStringLiteral("Bill %1").arg(i), 10.0 + i));
    settle();
    passOnB();
    letFilesSettle(ids);
    passOnB();
    QList<int> merged;
    const auto countMerges = [&] {
        QObject::connect(b.engine.get(), &OrvaneCloudManager::passBatchMerged,
                         [&](int bills) { merged.append(bills); });
    };
    countMerges();
    passOnB();
    EXPECT_EQ(merged, QList<int>{0});

    // The next run starts from what the last pass left; a bill changed
    // meanwhile is merged all the same.
    b.startEngine();
    countMerges();
    passOnB();
    EXPECT_EQ(merged, (QList<int>{0, 0}));
    ASSERT_TRUE(a.edit(ids.at(1), BillKeys::Name, QStringLiteral("Renamed")));
    settle();
    b.startEngine();
    countMerges();
    passOnB();
    EXPECT_EQ(merged, (QList<int>{0, 0, 1}));
    EXPECT_EQ(b.bill(ids.at(1)).value(BillKeys::Name), QStringLiteral("Renamed"));
}

// A change pushed by another device is merged on a worker and written here;
// one whose download began before sync was switched off writes nothing, and
// nothing goes to the cloud.
TEST_F(FullPassTest, AnArrivalIsMergedAndWrittenUnlessSyncWasSwitchedOffMeanwhile)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    passOnB();
    a.advance(60);
    ASSERT_TRUE(a.pay(rent, 100.0, QStringLiteral("paid on A")));
    settle();

    RecordingStoreObserver writes;
    b.env.observer = &writes;
    const int sentBefore = server.requestCount();
    b.engine->downloadRecordFromCloud(rent);
    b.engine->turnCloudSyncOff();
    settle();
    EXPECT_EQ(writes.calls, QStringList());
    EXPECT_EQ(server.requestCount(), sentBefore + 1);  // the fetch alone
    EXPECT_EQ(b.paymentNotes(rent), QStringList());

    QSignalSpy arrived(b.engine.get(), &OrvaneCloudManager::iCloudChangeReceived);
    b.engine->downloadRecordFromCloud(rent);
    settle();
    ASSERT_EQ(arrived.count(), 1);
    EXPECT_EQ(arrived.first().first().toString(), rent);
    EXPECT_EQ(b.paymentNotes(rent), QStringList{"paid on A"});
}

// A burst of arrivals is written a few at a time: every one of them, each
// once, and none after sync was switched off between two of them.
TEST_F(FullPassTest, ABurstOfArrivalsIsAllWrittenAndStopsWhenSyncIsSwitchedOff)
{
    QStringList ids;
    for (int i = 0; i < 12; ++i)
        ids.append(a.addBill(QStringLiteral("Bill %1").arg(i), 10.0 + i));
    settle();
    passOnB();
    for (const bool switchOffAtFirst : {false, true}) {
        a.advance(60);
        for (const QString& billID : std::as_const(ids))
            ASSERT_TRUE(a.edit(billID, BillKeys::Amount, switchOffAtFirst ? 77.0 : 99.0));
        settle();

        QStringList written;
        QObject::connect(b.engine.get(), &OrvaneCloudManager::iCloudChangeReceived, b.engine.get(),
                         [&](const QString& billID) {
                             written.append(billID);
                             if (switchOffAtFirst)
                                 b.engine->turnCloudSyncOff();
                         });
        for (const QString& billID : std::as_const(ids))
            b.engine->downloadRecordFromCloud(billID);
        settle();
        QObject::disconnect(b.engine.get(), &OrvaneCloudManager::iCloudChangeReceived, b.engine.get(), nullptr);

        const double amount = switchOffAtFirst ? 77.0 : 99.0;
        const auto hasAmount
            = [&](const QString& billID) { return b.bill(billID).value(BillKeys::Amount).toDouble() == amount; };
        if (!switchOffAtFirst) {
            QStringList sorted = written;
            sorted.sort();
            QStringList expected = ids;
            expected.sort();
            EXPECT_EQ(sorted, expected);
            EXPECT_TRUE(std::all_of(ids.cbegin(), ids.cend(), hasAmount));
        } else {
            ASSERT_EQ(written.size(), 1);
            EXPECT_EQ(std::count_if(ids.cbegin(), ids.cend(), hasAmount), 1);
            EXPECT_TRUE(hasAmount(written.first()));
        }
    }
}

// Whether an arrival brings a change to write or one this computer has
// already, it is dated as the last change that came down.
TEST_F(FullPassTest, EveryArrivalDatesTheLastChangeThatCameDown)
{
    const QString rent = a.addBill(QStringLiteral("Rent"), 900.0);
    settle();
    passOnB();
    for (const bool bringsAChange : {true, false}) {
        if (bringsAChange) {
            a.advance(60);
            ASSERT_TRUE(a.edit(rent, BillKeys::Amount, 950.0));
            settle();
        }
        b.advance(60);
        b.engine->downloadRecordFromCloud(rent);
        settle();
        EXPECT_EQ(b.defaults.objectForKey(BWDefaultsKeys::OV_LastCloudChangeDateDownloadOnly).toDateTime(),
                  b.clock.now())
            << (bringsAChange ? "a change written" : "nothing to write");
        EXPECT_EQ(b.bill(rent).value(BillKeys::Amount).toDouble(), 950.0);
    }
}
