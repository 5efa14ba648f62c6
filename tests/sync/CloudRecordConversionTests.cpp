#include "sync/OrvaneCloudManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/PropertyList.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime Noon(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());

}  // namespace

TEST(CloudRecordConversionTest, BillBecomesARecordAndBack)
{
    const QString billID = BWUIDMaker::makeUID();
    const QVariantMap bill{{BillKeys::Name, QStringLiteral("Loan")},
                           {BillKeys::Bid, billID},
                           {BillKeys::DueDate, Noon.addDays(3)},          // moved for display
                           {BillKeys::AbsoluteDueDate, Noon.addDays(1)},  // the real one
                           {BillKeys::HumanDueDate, QStringLiteral("Due in 3 days")},
                           {BillKeys::Repeat, QVariantList{1, 2}},
                           {BillKeys::Rev, 25.0},
                           {BillKeys::PaymentList, QVariantList{QVariantMap{{PaymentKeys::Date, Noon}}}},
                           {BillKeys::RemovedPayments, QStringList{QStringLiteral("1709640000 5 old")}},
                           {BillKeys::SyncModificationDate, Noon},
                           {BillKeys::ModificationDateForFirebase, 1.0}};
    const CloudRecord record = OrvaneCloudManager::convertBill(bill, Noon, CloudRecord());
    const QVariantMap& fields = record.fields;
    EXPECT_EQ(fields.value(BillKeys::DueDate).toDateTime(), Noon.addDays(1));
    for (const QString& key : {BillKeys::AmountVaries, BillKeys::IsArchived, BillKeys::IsIncome})
        EXPECT_EQ(fields.value(key), QVariant(false)) << key.toStdString();
    EXPECT_EQ(fields.value("PaymentListAmounts").toList(), QVariantList{0.0});
    EXPECT_EQ(fields.value("PaymentListNotes").toList(), QVariantList{QString()});
    EXPECT_EQ(fields.value("Rev").toDouble(), 25.0);
    EXPECT_EQ(fields.value("type").toInt(), 1);
    EXPECT_EQ(fields.value("localModificationDate").toDateTime(), Noon);
    // Every stored key travels; the display keys and keys the bill lacks do not.
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::HumanDueDate, BillKeys::Notes})
        EXPECT_FALSE(fields.contains(key)) << key.toStdString();
    for (const QString& key : {BillKeys::SyncModificationDate, BillKeys::ModificationDateForFirebase,
                               BillKeys::RemovedPayments, BillKeys::PaymentList})
        EXPECT_TRUE(fields.contains(key)) << key.toStdString();

    const QVariantMap back = OrvaneCloudManager::convertRecordintoBill(record, QStringLiteral("/data"));
    EXPECT_EQ(back.value(BillKeys::Name).toString(), "Loan");
    EXPECT_EQ(back.value(BillKeys::DueDate).toDateTime(), Noon.addDays(1));
    EXPECT_EQ(back.value(BillKeys::Rev).toDouble(), 25.0);
    EXPECT_EQ(back.value(BillKeys::SyncModificationDate).toDateTime(), Noon);
    EXPECT_EQ(back.value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_EQ(back.value(BillKeys::RemovedPayments).toStringList(), QStringList{"1709640000 5 old"});

    // Without its own date, a record of an earlier version is as new as the
    // server says.
    CloudRecord unstamped = record;
    unstamped.fields.remove("localModificationDate");
    unstamped.fields.remove(BillKeys::SyncModificationDate);
    unstamped.modificationDate = Noon.addSecs(5);
    EXPECT_EQ(OrvaneCloudManager::convertRecordintoBill(unstamped, QString()).value(BillKeys::SyncModificationDate),
              QVariant(Noon.addSecs(5)));
}

// Every key comes back as the bill stores it, of the type it is stored as,
// and none the bill lacks is made up on the way.
TEST(CloudRecordConversionTest, EveryKeyComesBackOfItsStoredTypeAndNoneIsAdded)
{
    const QString billID = BWUIDMaker::makeUID();
    struct Case
    {
        QVariantMap bill;
        QStringList absentBack;
    } cases[] = {
        {{{BillKeys::Bid, billID}, {BillKeys::AmountVaries, 0}, {BillKeys::IsArchived, false}, {BillKeys::IsIncome, true}},
         {BillKeys::PaymentList, BillKeys::Rev}},
        {{{BillKeys::Bid, billID}, {BillKeys::AmountVaries, 1}, {BillKeys::Rev, 0}, {BillKeys::PaymentList, QVariantList()}},
         {}},
        // Flags go as NO for earlier versions, but come back only where the bill had them.
        {{{BillKeys::Bid, billID}, {BillKeys::PaymentList, QVariantList{QVariantMap{{PaymentKeys::Amount, 5.0}}}}},
         {BillKeys::AmountVaries, BillKeys::IsArchived, BillKeys::IsIncome, BillKeys::Repeat}},
    };
    for (const Case& c : cases) {
        const QVariantMap back = OrvaneCloudManager::convertRecordintoBill(
            OrvaneCloudManager::convertBill(c.bill, Noon, CloudRecord()), QString());
        for (auto it = c.bill.cbegin(); it != c.bill.cend(); ++it) {
            EXPECT_EQ(back.value(it.key()), it.value()) << it.key().toStdString();
            EXPECT_EQ(back.value(it.key()).typeId(), it.value().typeId()) << it.key().toStdString();
        }
        for (const QString& key : c.absentBack)
            EXPECT_FALSE(back.contains(key)) << key.toStdString();
    }
}

TEST(CloudRecordConversionTest, LocalAndCloudCopiesAreComparedByTheMergeRule)
{
    const QString billID = BWUIDMaker::makeUID();
    const auto stamp = [](int second) {
        return HybridLogicalClock::stampOf(Noon.addSecs(second).toMSecsSinceEpoch(), 0, BWUIDMaker::makeUID());
    };
    const QVariantMap local{
        {BillKeys::Bid, billID},
        {BillKeys::Notes, QStringLiteral("local")},
        {BillKeys::Amount, 5.0},
        {BillKeys::FieldStamps, QVariantMap{{BillKeys::Notes, stamp(2)}, {BillKeys::Amount, stamp(0)}}}};
    QVariantMap cloud = local;
    cloud.insert(BillKeys::Amount, 7.0);
    cloud.insert(BillKeys::FieldStamps, QVariantMap{{BillKeys::Notes, stamp(0)}, {BillKeys::Amount, stamp(1)}});
    // Each holds a change the other lacks: each way something goes.
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordLocally(local, cloud));
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordToCloud(local, cloud));
    // A copy that holds all the other does goes one way only, and an equal one nowhere.
    const QVariantMap merged = BWBillMerge::merged(local, cloud);
    EXPECT_FALSE(OrvaneCloudManager::shouldSaveRecordLocally(merged, cloud));
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordToCloud(merged, cloud));
    EXPECT_FALSE(OrvaneCloudManager::shouldSaveRecordLocally(merged, merged));
    EXPECT_FALSE(OrvaneCloudManager::shouldSaveRecordToCloud(merged, merged));
    // Nothing on one side: the other's copy goes there.
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordLocally(std::nullopt, cloud));
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordToCloud(local, std::nullopt));
    EXPECT_TRUE(OrvaneCloudManager::recordIsAnIndexFileWithRecordName(IndexKeys::DeletedBills));
    EXPECT_FALSE(OrvaneCloudManager::recordIsAnIndexFileWithRecordName(IndexKeys::ArchivedBills));
}
