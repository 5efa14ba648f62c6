// What two computers end with after changing one bill apart, case by case:
// payments known by their ids, stamps no clock wins with, each field from
// the computer that changed it last, every key carried, one deletion rule,
// and no save that changes nothing.
#include "support/SyncDevice.h"

#include "store/BWBillsLoader.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Start(QDate(2024, 1, 20), QTime(12, 0), QTimeZone::utc());

class SyncRulesTest : public TwoSyncDevicesTest
{
protected:
    SyncRulesTest()
        : TwoSyncDevicesTest(Start, Start)
    {
        a.engine->turnCloudSyncOn();
        b.engine->turnCloudSyncOn();
        settle();
    }

    // A monthly bill of A's, due on `dueDate`, that B holds too.
    QString sharedBill(const QDateTime& dueDate = Start.addDays(10), double balance = 0.0)
    {
        const QString billID = BWUIDMaker::makeUID();
        QVariantMap record = newMonthlyBill(QStringLiteral("Rent"), billID, dueDate, 50.0);
        if (balance > 0.0)
            record.insert(BillKeys::Balance, balance);
        EXPECT_TRUE(BWBill(a.env).finishWritingBillWithDictionary(record, false, true));
        settle();
        EXPECT_EQ(b.bill(billID).value(BillKeys::Name).toString(), "Rent");
        return billID;
    }
    static QVariantList newestFirst(const SyncDevice& device, const QString& billID)
    {
        return BWPaymentLogger::paymentsNewestFirst(device.bill(billID).value(BillKeys::PaymentList).toList());
    }
    // Logged as Quick Log logs: the stored amount, on the due date.
    static bool quickLog(SyncDevice& device, const QString& billID)
    {
        const std::optional<QVariantMap> bill = BWBillsLoader(device.env).loadBillWithID(billID);
        return bill
               && BWPaymentLogger(device.env)
                      .recordPayment({bill->value(BillKeys::Amount).toDouble(),
                                      bill->value(BillKeys::AbsoluteDueDate).toDateTime(),
                                      QStringLiteral("Quick Logged"), QString()},
                                     *bill, true);
    }
    QDateTime dueDate(const SyncDevice& device, const QString& billID) const
    {
        return device.bill(billID).value(BillKeys::DueDate).toDateTime();
    }
};

}  // namespace

// ---- Payments are known by their ids ----

TEST_F(SyncRulesTest, APaymentEditedBackAndForthIsStillThereOnBoth)
{
    const QString billID = sharedBill();
    ASSERT_TRUE(a.pay(billID, 50.0, QStringLiteral("rent")));
    settle();
    for (const double amount : {60.0, 50.0}) {
        a.advance(10);
        const QVariantList payments = newestFirst(a, billID);
        QVariantMap edited = payments.first().toMap();
        edited.insert(PaymentKeys::Amount, amount);
        ASSERT_TRUE(BWPaymentLogger(a.env).saveEditedPayment(payments, 0, edited, billID));
        settle();
    }
    syncBoth();
    for (SyncDevice* device : {&a, &b}) {
        const QVariantList payments = device->bill(billID).value(BillKeys::PaymentList).toList();
        ASSERT_EQ(payments.size(), 1);
        EXPECT_EQ(payments.first().toMap().value(PaymentKeys::Amount).toDouble(), 50.0);
    }
}

TEST_F(SyncRulesTest, QuickLogUndoQuickLogKeepsTheSecondPayment)
{
    const QString billID = sharedBill();
    const QDateTime due = dueDate(a, billID);
    ASSERT_TRUE(quickLog(a, billID));
    settle();
    a.advance(10);
    QVariantList payments = newestFirst(a, billID);
    ASSERT_TRUE(BWPaymentLogger(a.env).reverseLastPaymentForBill(billID, payments));
    settle();
    a.advance(10);
    ASSERT_TRUE(quickLog(a, billID));
    settle();
    syncBoth();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->paymentNotes(billID), QStringList{"Quick Logged"});
        EXPECT_EQ(dueDate(*device, billID), due.addMonths(1));
    }
}

// ---- Stamps no clock wins with ----

TEST_F(SyncRulesTest, AChangeMadeAfterSeeingAnotherWinsWhateverTheClocks)
{
    struct Case
    {
        const char* name;
        int aheadSeconds;  // how far A's clock is ahead of B's
    };
    for (const Case c : {Case{"A an hour ahead", 3600}, Case{"A an hour behind", -3600}}) {
        SCOPED_TRACE(c.name);
        a.clock.setNow(b.clock.now().addSecs(c.aheadSeconds));
        const QString billID = sharedBill();
        ASSERT_TRUE(a.edit(billID, BillKeys::Amount, 222.0));
        settle();
        ASSERT_EQ(b.bill(billID).value(BillKeys::Amount).toDouble(), 222.0);
        b.advance(60);
        ASSERT_TRUE(b.edit(billID, BillKeys::Amount, 333.0));
        settle();
        a.advance(60);
        ASSERT_TRUE(a.edit(billID, BillKeys::Notes, QStringLiteral("seen")));
        settle();
        syncBoth();
        for (SyncDevice* device : {&a, &b}) {
            EXPECT_EQ(device->bill(billID).value(BillKeys::Amount).toDouble(), 333.0);
            EXPECT_EQ(device->bill(billID).value(BillKeys::Notes).toString(), "seen");
        }
        b.advance(7200);
        a.clock.setNow(b.clock.now());
    }
}

// ---- Each field from the computer that changed it last ----

TEST_F(SyncRulesTest, APaymentOnOneComputerAndANoteOnTheOtherBothStay)
{
    const QString billID = sharedBill();
    const QDateTime due = dueDate(a, billID);
    setOnline(false);
    a.advance(60);
    ASSERT_TRUE(a.pay(billID, 50.0, QStringLiteral("January")));
    b.advance(120);
    ASSERT_TRUE(b.edit(billID, BillKeys::Notes, QStringLiteral("call the landlord")));
    settle();
    setOnline(true);
    syncBoth();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(dueDate(*device, billID), due.addMonths(1));
        EXPECT_EQ(device->bill(billID).value(BillKeys::Notes).toString(), "call the landlord");
        EXPECT_EQ(device->paymentNotes(billID), QStringList{"January"});
    }
}

TEST_F(SyncRulesTest, PaymentsLoggedApartBothComeOffTheBalance)
{
    const QString billID = sharedBill(Start.addDays(10), 1000.0);
    setOnline(false);
    a.advance(60);
    ASSERT_TRUE(a.pay(billID, 100.0, QStringLiteral("from A")));
    b.advance(120);
    ASSERT_TRUE(b.pay(billID, 50.0, QStringLiteral("from B")));
    settle();
    setOnline(true);
    syncBoth();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(device->paymentNotes(billID), (QStringList{"from A", "from B"}));
        EXPECT_DOUBLE_EQ(device->bill(billID).value(BillKeys::Balance).toDouble(), 850.0);
    }
    // Any payment that goes gives its share back, the newest or not.
    a.advance(60);
    QVariantList payments = newestFirst(a, billID);
    payments.removeLast();
    ASSERT_TRUE(BWPaymentLogger(a.env).savePaymentList(payments, billID));
    settle();
    EXPECT_EQ(b.bill(billID).value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_DOUBLE_EQ(b.bill(billID).value(BillKeys::Balance).toDouble(),
                     1000.0 - b.bill(billID).value(BillKeys::TotalPaid).toDouble());
}

// ---- Every key travels ----

TEST_F(SyncRulesTest, ADayOfTheMonthThatAShortMonthClippedTravels)
{
    const QString billID = sharedBill(QDateTime(QDate(2024, 1, 31), QTime(12, 0), QTimeZone::utc()));
    b.advance(60);
    ASSERT_TRUE(b.pay(billID, 50.0, QStringLiteral("January")));
    settle();
    ASSERT_EQ(dueDate(a, billID).date(), QDate(2024, 2, 29));
    a.advance(120);
    ASSERT_TRUE(a.pay(billID, 50.0, QStringLiteral("February")));
    settle();
    for (SyncDevice* device : {&a, &b})
        EXPECT_EQ(dueDate(*device, billID).date(), QDate(2024, 3, 31));
}

TEST_F(SyncRulesTest, ABillArchivedOnOneComputerAndRestoredOnTheOtherIsDueAgain)
{
    const QString billID = sharedBill();
    ASSERT_TRUE(a.edit(billID, BillKeys::RemindMe, true));
    const QDateTime due = dueDate(a, billID);
    settle();
    a.advance(60);
    ASSERT_TRUE(BWBill(a.env).archiveBillWithBid(billID));
    settle();
    b.advance(120);
    ASSERT_TRUE(BWBill(b.env).restoreBillWithBid(billID));
    settle();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_EQ(dueDate(*device, billID), due);
        EXPECT_TRUE(device->bill(billID).value(BillKeys::RemindMe).toBool());
        EXPECT_FALSE(device->bill(billID).value(BillKeys::IsArchived).toBool());
    }
}

// ---- One deletion rule ----

// A copy changed on a computer that had not seen the deletion brings the
// bill back on both, whether it was stamped after the deletion or before.
TEST_F(SyncRulesTest, AChangeTheDeletingComputerHadNotSeenBringsTheBillBack)
{
    for (const int secondsAfter : {3, -3}) {
        SCOPED_TRACE(secondsAfter);
        a.advance(600);
        b.clock.setNow(a.clock.now());
        const QString billID = sharedBill();
        setOnline(false);
        a.advance(30);
        ASSERT_TRUE(a.remove(billID));
        b.clock.setNow(a.clock.now().addSecs(secondsAfter));
        ASSERT_TRUE(b.edit(billID, BillKeys::Amount, 77.0));
        settle();
        setOnline(true);
        syncBoth();
        for (SyncDevice* device : {&a, &b}) {
            EXPECT_TRUE(device->shownBills().contains(billID));
            EXPECT_EQ(device->bill(billID).value(BillKeys::Amount).toDouble(), 77.0);
        }
    }
}

// Made and then deleted or archived before the cloud ever had it: the
// tombstone and the archived bill go up all the same, and no computer lists
// an id it holds no file of.
TEST_F(SyncRulesTest, ABillTheCloudNeverHadTravelsDeletedOrArchived)
{
    setOnline(false);
    const QString deletedID = a.addBill(QStringLiteral("Gym"), 30.0);
    const QString archivedID = a.addBill(QStringLiteral("Old loan"), 90.0);
    a.advance(60);
    ASSERT_TRUE(a.remove(deletedID));
    ASSERT_TRUE(BWBill(a.env).archiveBillWithBid(archivedID));
    settle();
    setOnline(true);
    syncBoth();
    for (SyncDevice* device : {&a, &b}) {
        EXPECT_FALSE(device->shownBills().contains(deletedID));
        EXPECT_TRUE(device->bill(archivedID).value(BillKeys::IsArchived).toBool());
        for (const QString& listName : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
            for (const QString& billID : device->list(listName))
                EXPECT_FALSE(device->bill(billID).isEmpty()) << listName.toStdString() << " " << billID.toStdString();
        }
    }
    for (const QString& billID : {deletedID, archivedID}) {
        EXPECT_TRUE(server.record(billID).has_value());
        EXPECT_FALSE(b.bill(billID).isEmpty());
    }
}

TEST_F(SyncRulesTest, ABillDeletedSinceTheBackupComesBackWhenTheBackupIsRestored)
{
    const QString billID = sharedBill();
    ASSERT_TRUE(BWBillsLoader(a.env).backupDatabase());
    a.advance(60);
    ASSERT_TRUE(a.remove(billID));
    settle();
    ASSERT_FALSE(b.shownBills().contains(billID));
    a.advance(60);
    ASSERT_TRUE(BWBillsLoader(a.env).restoreDatabase());
    settle();
    syncBoth();
    for (SyncDevice* device : {&a, &b})
        EXPECT_TRUE(device->shownBills().contains(billID));
}

// ---- No empty saves ----

TEST_F(SyncRulesTest, ASaveThatChangesNothingStampsAndSendsNothing)
{
    const QString billID = sharedBill();
    const QVariantMap before = a.bill(billID);
    const int requests = server.requestCount();
    a.advance(60);
    ASSERT_TRUE(BWBill(a.env).rewriteSpecificBill(*BWBillsLoader(a.env).loadBillWithID(billID)));
    ASSERT_TRUE(a.edit(billID, BillKeys::Name, QStringLiteral("Rent")));
    settle();
    EXPECT_EQ(a.bill(billID), before);
    EXPECT_EQ(server.requestCount(), requests);
}
