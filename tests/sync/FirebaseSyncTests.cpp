// Bills between the data folder and the cloud database: uploads by
// compare-and-swap, the journal of unconfirmed writes, the change streams and
// tombstones.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "support/FirebaseTestDevice.h"
#include "platform/PropertyList.h"
#include "store/BWBillMerge.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWIndexRepair.h"
#include "store/BWPaymentLogger.h"

namespace {

const QString Email = QStringLiteral("kim@example.com");
const QString Password = QStringLiteral("secret1");

double seconds(const QDateTime& moment)
{
    return moment.toMSecsSinceEpoch() / 1000.0;
}

}  // namespace

class FirebaseSyncTest : public ::testing::Test
{
protected:
    FirebaseSyncTest()
    {
        uid = server.addAccount(Email, Password);
        EXPECT_TRUE(device.signIn(Email, Password));
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.openStreams() == 2; }, 5000));
    }

    QString node(const QString& billID) const { return "users/" + uid + "/" + billID; }
    QJsonObject remote(const QString& billID) const { return server.valueAt(node(billID)).toObject(); }
    // Signed in (again, after a restart) with nothing left to send.
    bool settled()
    {
        return QTest::qWaitFor([&] { return !device.manager->userUID().isEmpty() && device.pendingWrites() == 0; }, 5000);
    }

    // A node as another device would write it.
    QJsonObject remoteBill(const QString& billID, const QString& name, double amount, double stamp) const
    {
        return {{BillKeys::Bid, billID},
                {BillKeys::Name, name},
                {BillKeys::Amount, amount},
                {BillKeys::DueDate, 1797325200.0},
                {BillKeys::Repeat, QJsonArray{1, 2}},
                {BillKeys::Tags, QJsonArray{}},
                {BillKeys::SyncModificationDate, stamp},
                {BillKeys::ModificationDateForFirebase, stamp}};
    }
    double localStamp(const QString& billID) const
    {
        return device.bill(billID)->value(BillKeys::ModificationDateForFirebase).toDouble();
    }
    // Another device adds a bill; once it is here, every change the stream
    // carried before it has been handled.
    QString streamMarker()
    {
        const QString id = BWUIDMaker::makeUID();
        server.setValueAt(node(id), remoteBill(id, "Marker", 1, seconds(QDateTime::currentDateTimeUtc())));
        EXPECT_TRUE(QTest::qWaitFor([&] { return device.list(IndexKeys::ActiveBills).contains(id); }, 5000));
        return id;
    }
    static int signalsFor(const QSignalSpy& spy, const QString& billID)
    {
        return int(std::count_if(spy.begin(), spy.end(), [&](const QList<QVariant>& arguments) {
            return arguments.first().toMap().value(BillKeys::Bid).toString() == billID;
        }));
    }

    FakeFirebaseServer server;
    QString uid;
    FirebaseTestDevice device{server};
};

TEST_F(FirebaseSyncTest, ALocalWriteReachesItsNodeAndNothingGoesWhileSignedOut)
{
    const QString id = device.addBill("Rent", 900);
    ASSERT_TRUE(settled());
    EXPECT_EQ(remote(id).value(BillKeys::Name).toString(), "Rent");
    EXPECT_DOUBLE_EQ(remote(id).value(BillKeys::ModificationDateForFirebase).toDouble(), localStamp(id));
    EXPECT_FALSE(remote(id).contains(BillKeys::HumanDueDate));

    device.manager->signOut();
    const int requests = server.requests();
    EXPECT_FALSE(device.addBill("Phone", 40).isEmpty());
    // A reset mail asked for afterwards is the one request that reaches the server.
    bool resetSent = false;
    device.manager->sendPasswordReset(Email, [&](const FirebaseError&) { resetSent = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return resetSent; }, 5000));
    EXPECT_EQ(server.requests(), requests + 1);
    EXPECT_EQ(device.channels.firebaseSaves, 1);
}

TEST_F(FirebaseSyncTest, CompareAndSwapKeepsAConcurrentRemoteWrite)
{
    // Another device writes between this device's read and its write.
    const struct { const char* name; double offset; bool remoteKept; } cases[] = {
        {"newer remote write", +60, true},
        {"older remote write", -60, false},
    };
    for (const auto& c : cases) {
        const QString id = device.addBill("Water", 30);
        ASSERT_TRUE(settled()) << c.name;
        device.clock.setNow(QDateTime::currentDateTimeUtc().addSecs(120));
        const int conflicts = server.conflicts();
        const double mine = seconds(device.clock.now());
        server.writeBeforeNextPut(node(id), remoteBill(id, "Water (other device)", 35, mine + c.offset));
        ASSERT_TRUE(device.setAmount(id, 31));
        ASSERT_TRUE(settled()) << c.name;
        EXPECT_EQ(server.conflicts(), conflicts + 1) << c.name;
        const double kept = c.remoteKept ? 35 : 31;
        EXPECT_EQ(remote(id).value(BillKeys::Amount).toDouble(), kept) << c.name;
        ASSERT_TRUE(QTest::qWaitFor([&] { return device.bill(id)->value(BillKeys::Amount).toDouble() == kept; }, 3000))
            << c.name;
        device.clock.useSystemTime();
    }
}

TEST_F(FirebaseSyncTest, AWriteMadeOfflineIsSentAfterReconnectAndAfterARestart)
{
    for (const bool restart : {false, true}) {
        server.setOffline(true);
        QSignalSpy connection(device.manager.get(), &FirebaseDataManager::connectedChanged);
        const int requests = server.requests();
        const QString id = device.addBill(restart ? "Gas" : "Power", 70);
        // Tried, failed and tried again: the first failure has been handled.
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests() >= requests + 2; }, 5000)) << restart;
        EXPECT_EQ(device.pendingWrites(), 1) << restart;
        if (restart) {
            device.quit();
            device.start();
        }
        server.setOffline(false);
        ASSERT_TRUE(settled()) << restart;
        EXPECT_EQ(remote(id).value(BillKeys::Name).toString(), restart ? "Gas" : "Power");
        EXPECT_FALSE(FirebasePendingWrites(device.env).writeFor(uid, id)) << restart;
    }
}

TEST_F(FirebaseSyncTest, FailedAnswersLeaveTheWriteJournaledUntilConfirmed)
{
    using Fault = FakeFirebaseServer::Fault;
    for (const Fault fault : {Fault::ServerError, Fault::Drop, Fault::Slow, Fault::ExpireTokens}) {
        server.injectFault(fault, 2);
        const QString id = device.addBill("Insurance", 120);
        ASSERT_TRUE(settled()) << int(fault);
        EXPECT_EQ(remote(id).value(BillKeys::Name).toString(), "Insurance") << int(fault);
    }
}

TEST_F(FirebaseSyncTest, StreamEventsBecomeAddedChangedAndRemovedBills)
{
    QSignalSpy added(device.manager.get(), &FirebaseDataManager::billAddedFromFirebase);
    QSignalSpy deleted(device.manager.get(), &FirebaseDataManager::billDeletedInFirebase);
    const QString id = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    const double stamp = double(QDateTime::currentSecsSinceEpoch());

    server.setValueAt(node(id), remoteBill(id, "Gym", 25, stamp));
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.list(IndexKeys::ActiveBills).contains(id); }, 3000));
    EXPECT_EQ(device.bill(id)->value(BillKeys::Name).toString(), "Gym");
    EXPECT_DOUBLE_EQ(localStamp(id), stamp);   // its own moment
    EXPECT_EQ(added.count(), 1);

    // An older copy changes nothing here; the newer one goes back up.
    server.setValueAt(node(id), remoteBill(id, "Gym", 30, stamp - 60));
    streamMarker();
    EXPECT_EQ(device.bill(id)->value(BillKeys::Amount).toDouble(), 25);
    EXPECT_TRUE(QTest::qWaitFor([&] { return remote(id).value(BillKeys::Amount).toDouble() == 25; }, 3000));
    ASSERT_TRUE(settled());
    server.setValueAt(node(id), remoteBill(id, "Gym", 32, stamp + 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.bill(id)->value(BillKeys::Amount).toDouble() == 32; }, 3000));
    EXPECT_EQ(signalsFor(added, id), 2);

    server.setValueAt(node(id), QJsonValue::Null);
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.list(IndexKeys::DeletedBills).contains(id); }, 3000));
    EXPECT_FALSE(device.list(IndexKeys::ActiveBills).contains(id));
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.first().first().toMap().value(BillKeys::Bid).toString(), id);
    // Received bills are not sent back: neither the copy nor the removal.
    streamMarker();
    EXPECT_EQ(device.channels.firebaseSaves, 0);
    EXPECT_TRUE(server.valueAt("deletedBills/" + uid + "/" + id).isNull());
    EXPECT_EQ(device.pendingWrites(), 0);
}

TEST_F(FirebaseSyncTest, NodesThatAreNotBillsNameNoFile)
{
    const QString id = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    const double stamp = seconds(QDateTime::currentDateTimeUtc());
    server.setValueAt("users/" + uid + "/..%2Fescape", remoteBill("..%2Fescape", "Bad", 1, stamp));
    server.setValueAt("users/" + uid + "/lowercase0123456789abcdef0123456", remoteBill("lowercase", "Bad", 1, stamp));
    server.setValueAt(node(id), remoteBill("FEDCBA9876543210FEDCBA9876543210", "Mismatch", 1, stamp));
    const QString marker = streamMarker();
    EXPECT_EQ(device.list(IndexKeys::ActiveBills), QStringList{marker});
    QStringList billFiles = QDir(BWDataFolder(device.env).path()).entryList({"*.plist"});
    billFiles.removeAll(QStringLiteral("billindex.plist"));
    billFiles.removeAll(QStringLiteral("tagindex.plist"));
    EXPECT_EQ(billFiles, QStringList{marker + ".plist"});
}

TEST_F(FirebaseSyncTest, ListenersAreInstalledOnceAndStoppedAtSignOut)
{
    const int opened = server.streamsOpened();
    device.manager->listenForChangesToBills();
    device.manager->listenForChangesToBills();
    // A write sent afterwards and confirmed: a stream asked for before it
    // would have been opened by now.
    EXPECT_FALSE(device.addBill("Phone", 40).isEmpty());
    ASSERT_TRUE(settled());
    EXPECT_EQ(server.streamsOpened(), opened);
    EXPECT_TRUE(device.manager->isListening());

    device.manager->signOut();
    EXPECT_FALSE(device.manager->isListening());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openStreams() == 0; }, 3000));
    const QString id = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    server.setValueAt(node(id), remoteBill(id, "Late", 1, seconds(QDateTime::currentDateTimeUtc())));
    QCoreApplication::processEvents();
    EXPECT_EQ(server.openStreams(), 0);
    EXPECT_FALSE(device.list(IndexKeys::ActiveBills).contains(id));
}

TEST_F(FirebaseSyncTest, AStaleOfflineCopyCannotBringBackADeletedBill)
{
    FirebaseTestDevice other(server);
    ASSERT_TRUE(other.signIn(Email, Password));
    const QString id = device.addBill("Cable", 60);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.list(IndexKeys::ActiveBills).contains(id); }, 3000));

    other.quit();   // the other computer is off while the bill is deleted here
    ASSERT_TRUE(device.remove(id));
    ASSERT_TRUE(settled());
    EXPECT_TRUE(server.valueAt(node(id)).isNull());
    EXPECT_FALSE(server.valueAt("deletedBills/" + uid + "/" + id).isNull());

    other.start();   // its send-all offers the older copy
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.list(IndexKeys::DeletedBills).contains(id); }, 5000));
    EXPECT_FALSE(other.list(IndexKeys::ActiveBills).contains(id));
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.pendingWrites() == 0; }, 5000));
    EXPECT_TRUE(server.valueAt(node(id)).isNull());

    // A change made after the deletion is a deliberate revival.
    device.clock.setNow(QDateTime::currentDateTimeUtc().addSecs(60));
    ASSERT_TRUE(BWBill(device.env).restoreDeletedBills());
    ASSERT_TRUE(device.setAmount(id, 65));
    ASSERT_TRUE(settled());
    EXPECT_EQ(remote(id).value(BillKeys::Amount).toDouble(), 65);
    EXPECT_TRUE(server.valueAt("deletedBills/" + uid + "/" + id).isNull());
}

TEST_F(FirebaseSyncTest, AChangeMadeAfterADeletionByAComputerUnawareOfItBringsTheBillBackEverywhere)
{
    FirebaseTestDevice other(server);
    ASSERT_TRUE(other.signIn(Email, Password));
    const QDateTime start = QDateTime::currentDateTimeUtc();
    device.clock.setNow(start);
    other.clock.setNow(start);
    const QString id = device.addBill("Cable", 60);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.list(IndexKeys::ActiveBills).contains(id); }, 3000));

    other.quit();   // off while the bill is deleted here, and changed there later
    device.clock.setNow(start.addSecs(60));
    ASSERT_TRUE(device.remove(id));
    ASSERT_TRUE(settled());
    other.clock.setNow(start.addSecs(120));
    ASSERT_TRUE(other.setAmount(id, 75));
    other.start();

    const auto shownOn = [&](const FirebaseTestDevice& computer) {
        return BWBillsLoader(computer.env).trimDeletedBillsFromActiveBills(computer.list(IndexKeys::ActiveBills)).contains(id);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.pendingWrites() == 0 && shownOn(device); }, 5000));
    EXPECT_TRUE(shownOn(other));
    EXPECT_EQ(device.bill(id)->value(BillKeys::Amount).toDouble(), 75);
    EXPECT_EQ(remote(id).value(BillKeys::Amount).toDouble(), 75);
    device.clock.useSystemTime();
}

// The program ended between a deletion's two writes; the start that follows
// finishes it from the bill's file, long after the stream brought the bill's
// last change here.
TEST_F(FirebaseSyncTest, ADeletionFinishedFromTheBillsFileReachesTheOtherComputer)
{
    FirebaseTestDevice other(server);
    ASSERT_TRUE(other.signIn(Email, Password));
    const QString id = device.addBill("Cable", 60);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.list(IndexKeys::ActiveBills).contains(id); }, 3000));
    streamMarker();

    const QString folder = BWDataFolder(device.env).path();
    const QVariantMap stored = *BWBill(device.env).storedCopy(id);
    device.stamps.observe(BWBillMerge::latestStamp(stored), device.clock.now());
    ASSERT_TRUE(PropertyList::write(folder + "/" + id + ".plist",
                                    BWBillMerge::deleted(stored, device.stamps.next(device.clock.now()))));
    ASSERT_TRUE(BWIndexRepair(device.env).listAsDeleted(BWIndexRepair::tombstonesListedAsLive(folder)));

    EXPECT_TRUE(QTest::qWaitFor([&] {
        return other.list(IndexKeys::DeletedBills).contains(id) && server.valueAt(node(id)).isNull();
    }, 5000));
}

TEST_F(FirebaseSyncTest, TwoComputersChangingABillAtTheSameMomentEndWithTheSameCopy)
{
    FirebaseTestDevice other(server);
    ASSERT_TRUE(other.signIn(Email, Password));
    const QDateTime start = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), QTimeZone::utc());
    device.clock.setNow(start);
    const QString id = device.addBill("Cable", 60);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.list(IndexKeys::ActiveBills).contains(id); }, 3000));

    other.quit();
    device.clock.setNow(start.addSecs(60));
    other.clock.setNow(start.addSecs(60));
    ASSERT_TRUE(device.setAmount(id, 70));
    ASSERT_TRUE(settled());
    ASSERT_TRUE(other.setAmount(id, 80));
    other.start();

    const auto amountOn = [&](const FirebaseTestDevice& computer) {
        return computer.bill(id)->value(BillKeys::Amount).toDouble();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return other.pendingWrites() == 0 && device.pendingWrites() == 0 && amountOn(device) == amountOn(other)
            && remote(id).value(BillKeys::Amount).toDouble() == amountOn(device);
    }, 5000)) << amountOn(device) << " here, " << amountOn(other) << " there";
    device.clock.useSystemTime();
}

TEST_F(FirebaseSyncTest, AnEarlierDeletionArrivingLateLeavesTheLaterDeletionsMoment)
{
    const QString id = device.addBill("Cable", 60);
    ASSERT_TRUE(settled());
    const QDateTime deletedHere = QDateTime::currentDateTimeUtc().addSecs(60);
    const QString tombstone = "deletedBills/" + uid + "/" + id;

    server.setOffline(true);
    device.clock.setNow(deletedHere);
    ASSERT_TRUE(device.remove(id));
    // Meanwhile another computer, which had seen a later change, deleted it too.
    server.setValueAt(node(id), QJsonValue::Null);
    server.setValueAt(tombstone, QJsonObject{{BillKeys::Bid, id}, {"DeletedAt", seconds(deletedHere) + 120}});
    server.setOffline(false);

    ASSERT_TRUE(settled());
    EXPECT_DOUBLE_EQ(server.valueAt(tombstone).toObject().value("DeletedAt").toDouble(), seconds(deletedHere) + 120);
    device.clock.useSystemTime();
}

TEST_F(FirebaseSyncTest, ACopyWrittenLateAfterItsBillWasDeletedDoesNotBringItBack)
{
    const QString id = BWUIDMaker::makeUID();
    const double deletedAt = seconds(QDateTime::currentDateTimeUtc());
    server.setValueAt("deletedBills/" + uid + "/" + id, QJsonObject{{BillKeys::Bid, id}, {"DeletedAt", deletedAt}});
    streamMarker();
    // A write of an older copy, held up on its way, lands after the deletion.
    server.setValueAt(node(id), remoteBill(id, "Cable", 60, deletedAt - 30));
    streamMarker();

    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !BWBillsLoader(device.env).trimDeletedBillsFromActiveBills(device.list(IndexKeys::ActiveBills)).contains(id);
    }, 3000));
}

TEST_F(FirebaseSyncTest, APaymentLoggedOfflineSurvivesANewerCopyFromAnotherComputer)
{
    const QString id = device.addBill("Rent", 900);
    ASSERT_TRUE(settled());
    server.setOffline(true);
    const QDateTime paidAt = QDateTime::currentDateTimeUtc().addSecs(60);
    device.clock.setNow(paidAt);
    ASSERT_TRUE(BWPaymentLogger(device.env).recordPayment({900.0, paidAt, "paid offline", QString()}, *device.bill(id)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.pendingWrites() == 1; }, 3000));
    // Meanwhile the other computer, unaware of the payment, changed the amount.
    server.setValueAt(node(id), remoteBill(id, "Rent", 950, seconds(paidAt) + 120));

    server.setOffline(false);
    ASSERT_TRUE(settled());
    const auto hasBoth = [&] {
        const QVariantList payments = device.bill(id)->value(BillKeys::PaymentList).toList();
        return device.bill(id)->value(BillKeys::Amount).toDouble() == 950 && payments.size() == 1
            && remote(id).value(BillKeys::PaymentList).toArray().size() == 1
            && remote(id).value(BillKeys::Amount).toDouble() == 950;
    };
    EXPECT_TRUE(QTest::qWaitFor(hasBoth, 5000));
    device.clock.useSystemTime();
}

TEST_F(FirebaseSyncTest, SendAllSendsANeverStampedBillWithItsOwnDate)
{
    device.manager->signOut();
    const QString id = device.addBill("Loan", 300);
    // As an earlier version left it: no stamps, its last change three days ago.
    QVariantMap unstamped = *device.bill(id);
    for (const QString& key : {BillKeys::ModificationDateForFirebase, BillKeys::FieldStamps,
                               BillKeys::ModificationStamp, BillKeys::BalanceSet})
        unstamped.remove(key);
    for (const QString& key : BillKeys::DisplayKeys)
        unstamped.remove(key);
    const QDateTime lastChanged = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 3 * 86400);
    unstamped.insert(BillKeys::SyncModificationDate, lastChanged);
    ASSERT_TRUE(PropertyList::write(device.env.defaultDataFolder + "/" + id + ".plist", unstamped));

    ASSERT_TRUE(device.signIn(Email, Password));   // a sign-in runs the send-all
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote(id).contains(BillKeys::Name); }, 5000));
    EXPECT_NEAR(remote(id).value(BillKeys::ModificationDateForFirebase).toDouble(), seconds(lastChanged), 0.001);
}

TEST_F(FirebaseSyncTest, AReceivedBillGoesToTheOtherChannelsWithItsOwnMoment)
{
    device.defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    const QString id = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    const double stamp = double(QDateTime::currentSecsSinceEpoch() - 30);
    server.setValueAt(node(id), remoteBill(id, "Gym", 25, stamp));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !device.channels.cloudKitBills.isEmpty(); }, 3000));
    const QVariantMap handedOn = device.channels.cloudKitBills.last().second;
    EXPECT_NEAR(seconds(handedOn.value(BillKeys::SyncModificationDate).toDateTime()), stamp, 0.001);
    EXPECT_DOUBLE_EQ(handedOn.value(BillKeys::ModificationDateForFirebase).toDouble(), stamp);
    EXPECT_EQ(device.channels.firebaseSaves, 0);
}

TEST_F(FirebaseSyncTest, ACopyRestampedOnAnotherChannelIsNotWrittenAgain)
{
    device.defaults.setBool(BWDefaultsKeys::iCloudSyncEnabled2, true);
    const QString id = device.addBill("Phone", 45);
    ASSERT_TRUE(settled());
    const int handedOn = device.channels.cloudKitBills.size();
    QSignalSpy added(device.manager.get(), &FirebaseDataManager::billAddedFromFirebase);

    // The same bill, restamped later by a computer that got it another way.
    QJsonObject restamped = remote(id);
    restamped.insert(BillKeys::ModificationDateForFirebase, localStamp(id) + 30);
    server.setValueAt(node(id), restamped);

    // A real change still comes in; the restamped copy before it brought nothing.
    restamped.insert(BillKeys::Amount, 50);
    restamped.insert(BillKeys::ModificationDateForFirebase, localStamp(id) + 60);
    server.setValueAt(node(id), restamped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.bill(id)->value(BillKeys::Amount).toDouble() == 50; }, 3000));
    EXPECT_EQ(added.count(), 1);
    for (qsizetype i = handedOn; i < device.channels.cloudKitBills.size(); ++i)
        EXPECT_EQ(device.channels.cloudKitBills.at(i).second.value(BillKeys::Amount).toDouble(), 50);
}

TEST_F(FirebaseSyncTest, ALargeFirstEventIsMergedWithTheChangesThatFollowIt)
{
    // Enough bills that the stream's first event is read on a worker.
    device.quit();
    const double stamp = seconds(QDateTime::currentDateTimeUtc());
    QStringList ids;
    for (int i = 0; i < 40; ++i) {
        ids.append(BWUIDMaker::makeUID());
        QJsonObject bill = remoteBill(ids.last(), "Big", i, stamp);
        bill.insert(BillKeys::Notes, QString(2000, 'x'));
        server.setValueAt(node(ids.last()), bill);
    }
    device.start();
    // A newer copy of one of them follows the first event.
    QObject::connect(device.manager.get(), &FirebaseDataManager::connectedChanged, [&](bool connected) {
        if (connected)
            server.setValueAt(node(ids.first()), remoteBill(ids.first(), "Big", 99, stamp + 60));
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.list(IndexKeys::ActiveBills).size() >= 40; }, 10000));
    streamMarker();
    ASSERT_TRUE(settled());
    for (const QString& id : ids)
        EXPECT_EQ(device.bill(id)->value(BillKeys::Amount).toDouble(), id == ids.first() ? 99 : ids.indexOf(id)) << qPrintable(id);
}

// The journal as a log: what a later start finds, against the writes added
// and not confirmed since, whatever a crash cut off.
TEST(FirebasePendingWritesTest, AReopenedJournalHoldsEveryUnconfirmedWriteAndNothingElse)
{
    struct Journal : TempStoreEnvironment
    {
        Journal() : TempStoreEnvironment(QStringLiteral("data")) { QDir().mkpath(env.defaultDataFolder); }
        FirebasePendingWrite add(char bill, int payments = 1)
        {
            FirebasePendingWrite write{FirebasePendingWrite::Save, "uid1", QString(32, QLatin1Char(bill)), {}, 0, 0};
            write.record.insert(BillKeys::PaymentList, QVariantList(payments, QString(100, QLatin1Char('x'))));
            return *log.add(write);
        }
        qint64 size() const { return QFileInfo(temp.file("data/" + FirebasePendingWrites::fileName())).size(); }
        void appendRaw(const QByteArray& bytes)
        {
            QFile file(temp.file("data/" + FirebasePendingWrites::fileName()));
            ASSERT_TRUE(file.open(QIODevice::Append) && file.write(bytes) == bytes.size());
        }
        FirebasePendingWrites log{env};
    };
    const struct {
        const char* name;
        std::function<void(Journal&)> script;
        QString live;   // the bills left, in the order they were journaled
    } cases[] = {
        {"added", [](Journal& j) { j.add('A'), j.add('B'); }, "AB"},
        {"a confirmation appends a line",
         [](Journal& j) {
             const FirebasePendingWrite a = j.add('A', 50);
             j.add('B');
             const qint64 before = j.size();
             EXPECT_TRUE(j.log.confirm(a));
             EXPECT_GT(j.size(), before);
             EXPECT_LT(j.size(), before + 100);
         },
         "B"},
        {"a newer write of the bill stays when the older is confirmed",
         [](Journal& j) {
             const FirebasePendingWrite older = j.add('A');
             j.add('A');
             EXPECT_TRUE(j.log.confirm(older));
         },
         "A"},
        {"a cut-off add", [](Journal& j) { j.add('A'), j.appendRaw(R"({"operation":"save","uid":"ui)"); }, "A"},
        {"a cut-off confirmation sends again",
         [](Journal& j) { j.add('C'), j.appendRaw(R"({"confirmed":)"); }, "C"},
        {"a write after a cut-off line",
         [](Journal& j) {
             j.add('A'), j.appendRaw(R"({"operation":"sa)");
             FirebasePendingWrites(j.env).add({FirebasePendingWrite::Save, "uid1", QString(32, 'B'), {}, 0, 0});
         },
         "AB"},
        {"an earlier version's journal",
         [](Journal& j) {
             j.appendRaw(R"({"nextSequence":8,"writes":[{"operation":"remove","uid":"uid1","bid":")"
                         + QByteArray(32, 'D') + R"(","record":{},"deletedAt":5,"sequence":7}]})");
             EXPECT_EQ(FirebasePendingWrites(j.env).add({FirebasePendingWrite::Save, "uid1", QString(32, 'E'), {}, 0, 0})
                           ->sequence, 8);
         },
         "DE"},
        {"compacted once confirmations outweigh the live writes",
         [](Journal& j) {
             for (int i = 0; i < 30; ++i)
                 EXPECT_TRUE(j.log.confirm(j.add('A' + i % 6, 50)));
             j.add('F', 50);
             // Written whole each time, 30 writes of 5 kB would be there.
             EXPECT_LT(j.size(), 70 * 1024);
         },
         "F"},
    };
    for (const auto& c : cases) {
        Journal journal;
        c.script(journal);
        QString live;
        for (const FirebasePendingWrite& write : FirebasePendingWrites(journal.env).writesOf("uid1"))
            live += write.billID.front();
        EXPECT_EQ(live, c.live) << c.name;
    }
}
