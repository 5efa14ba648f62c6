// Restoring a backup with sync on puts the backup's lists back, yet no bill
// loses what it held before: a payment or a deletion made since the backup,
// perhaps not sent yet, stays in the bill and is handed to the channels.
#include "SyncedComputer.h"

#include "store/BWBillMerge.h"
#include "store/BWPaymentLogger.h"
#include "support/TestBillRecords.h"

namespace {

const QDateTime Start(QDate(2024, 6, 3), QTime(9, 0), QTimeZone::utc());

class BWBillRestoreSyncTest : public ::testing::Test
{
protected:
    // A bill of A's that B holds too.
    QString sharedBill()
    {
        const QString billID = BWUIDMaker::makeUID();
        const QVariantMap record = newMonthlyBill(QStringLiteral("Loan"), billID, Start.addDays(10), 50.0);
        EXPECT_TRUE(BWBill(a.env).finishWritingBillWithDictionary(record, false, true));
        EXPECT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(), BWBill::CopySource::CloudDatabase));
        return billID;
    }
    bool bPays(const QString& billID)
    {
        b.advance(60);
        const std::optional<QVariantMap> bill = BWBillsLoader(b.env).loadBillWithID(billID);
        return bill
               && BWPaymentLogger(b.env).recordPayment({20.0, b.clock.now(), QStringLiteral("from B"), QString()},
                                                       *bill, true);
    }
    bool aDeletes(const QString& billID)
    {
        a.advance(60);
        return BWBill(a.env).deleteBillWithBid(billID);
    }
    bool aHearsFromB(const QString& billID)
    {
        return BWBill(a.env).storeIncomingCopy(*BWBill(b.env).storedCopy(billID), BWBill::CopySource::Firebase);
    }
    static QStringList paymentNotes(const QVariantMap& record)
    {
        QStringList notes;
        for (const QVariant& payment : record.value(BillKeys::PaymentList).toList())
            notes.append(payment.toMap().value(PaymentKeys::Note).toString());
        return notes;
    }

    Computer a{Start};
    Computer b{Start};
};

}  // namespace

// Made and deleted since the backup, which never had it: it stays deleted
// here with its own deletion, and the deletion goes out again.
TEST_F(BWBillRestoreSyncTest, ABillMadeAndDeletedSinceTheBackupKeepsItsDeletion)
{
    sharedBill();
    ASSERT_TRUE(a.backUp());
    const QString billID = sharedBill();
    ASSERT_TRUE(aDeletes(billID));
    const QString deletion = BWBill(a.env).storedCopy(billID)->value(BillKeys::DeletionStamp).toString();
    a.forgetWhatWasSent();

    ASSERT_TRUE(BWBillsLoader(a.env).restoreDatabase());
    const std::optional<QVariantMap> after = BWBill(a.env).storedCopy(billID);
    ASSERT_TRUE(after);
    EXPECT_TRUE(BWBillMerge::isDeleted(*after));
    EXPECT_EQ(after->value(BillKeys::DeletionStamp).toString(), deletion);
    EXPECT_FALSE(a.shows(billID));
    EXPECT_EQ(a.lastCopySent(billID).value(BillKeys::DeletionStamp).toString(), deletion);
    EXPECT_TRUE(a.channels.firebaseRemovals.contains(billID));
}

// Deleted before the backup; a payment made elsewhere before the deletion
// arrived since. The backup's copy lacks it, the bill keeps it.
TEST_F(BWBillRestoreSyncTest, ADeletedBillKeepsAPaymentThatArrivedSinceTheBackup)
{
    const QString billID = sharedBill();
    ASSERT_TRUE(bPays(billID));
    a.advance(120);
    ASSERT_TRUE(aDeletes(billID));
    ASSERT_TRUE(a.backUp());
    ASSERT_TRUE(aHearsFromB(billID));
    ASSERT_EQ(paymentNotes(*BWBill(a.env).storedCopy(billID)), QStringList{"from B"});

    ASSERT_TRUE(BWBillsLoader(a.env).restoreDatabase());
    const std::optional<QVariantMap> after = BWBill(a.env).storedCopy(billID);
    ASSERT_TRUE(after);
    EXPECT_TRUE(BWBillMerge::isDeleted(*after));
    EXPECT_EQ(paymentNotes(*after), QStringList{"from B"});
}

// Deleted in the backup, brought back since by a payment made elsewhere
// after the deletion: the restore deletes it again, after that payment, and
// the bill keeps the payment for a later return.
TEST_F(BWBillRestoreSyncTest, ABillDeletedInTheBackupButBackSinceIsDeletedAgainAfterEverythingInIt)
{
    const QString billID = sharedBill();
    ASSERT_TRUE(aDeletes(billID));
    ASSERT_TRUE(a.backUp());
    b.clock.setNow(a.clock.now());
    ASSERT_TRUE(bPays(billID));
    ASSERT_TRUE(aHearsFromB(billID));
    ASSERT_TRUE(a.shows(billID));
    a.forgetWhatWasSent();

    a.advance(120);
    ASSERT_TRUE(BWBillsLoader(a.env).restoreDatabase());
    const std::optional<QVariantMap> after = BWBill(a.env).storedCopy(billID);
    ASSERT_TRUE(after);
    EXPECT_FALSE(a.shows(billID));
    EXPECT_TRUE(BWBillMerge::isDeleted(*after));
    EXPECT_EQ(paymentNotes(*after), QStringList{"from B"});
    EXPECT_TRUE(BWBillMerge::isDeleted(a.lastCopySent(billID)));
    EXPECT_TRUE(a.channels.firebaseRemovals.contains(billID));
    // B hears of it and hides the bill too.
    ASSERT_TRUE(BWBill(b.env).storeIncomingCopy(a.lastCopySent(billID), BWBill::CopySource::CloudDatabase));
    EXPECT_FALSE(b.shows(billID));
}
