#include "sync/BWPaymentListMerge.h"
#include "sync/OrvaneCloudManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime Noon(QDate(2024, 3, 5), QTime(12, 0), QTimeZone::utc());

QVariantMap payment(int day, double amount, const QString& note)
{
    return {{PaymentKeys::Date, Noon.addDays(day)},
            {PaymentKeys::Amount, amount},
            {PaymentKeys::Note, note},
            {PaymentKeys::Receipt, QString()}};
}

QVariantMap billWith(const QVariantList& payments)
{
    return {{BillKeys::Name, QStringLiteral("Rent")}, {BillKeys::PaymentList, payments}};
}

QStringList notesOf(const QVariantMap& bill)
{
    QStringList notes;
    for (const QVariant& entry : bill.value(BillKeys::PaymentList).toList())
        notes.append(entry.toMap().value(PaymentKeys::Note).toString());
    return notes;
}

}  // namespace

TEST(BWPaymentListMergeTest, KeepsNewPaymentsOfBothCopiesAndRemovalsOfEither)
{
    const QVariantMap base = payment(0, 100.0, "base");
    const QVariantMap here = payment(1, 10.0, "here");
    const QVariantMap there = payment(2, 20.0, "there");
    const qint64 baseMoment = Noon.toSecsSinceEpoch();
    struct Case {
        const char* name;
        QVariantList winner;
        QVariantList other;
        QSet<qint64> inStep;
        QStringList expected;
    };
    const Case cases[] = {
        {"each logged one apart", {base, here}, {base, there}, {baseMoment}, {"base", "here", "there"}},
        {"logged elsewhere, not yet seen here", {base}, {base, there}, {baseMoment}, {"base", "there"}},
        {"reversed elsewhere", {base, here}, {base}, {baseMoment, Noon.addDays(1).toSecsSinceEpoch()}, {"base"}},
        {"reversed here", {base}, {base, there}, {baseMoment, Noon.addDays(2).toSecsSinceEpoch()}, {"base"}},
        {"nothing in step yet", {here}, {there}, {}, {"here", "there"}},
        {"an amount edited here", {payment(0, 90.0, "edited")}, {base}, {baseMoment}, {"edited"}},
        {"an amount edited elsewhere", {base}, {payment(0, 90.0, "edited")}, {baseMoment}, {"base"}},
        {"two logged apart in one second", {payment(5, 5.0, "one")}, {payment(5, 6.0, "two")}, {}, {"one", "two"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(notesOf(billWith(BWPaymentListMerge::mergedPayments(c.winner, c.other, c.inStep))), c.expected);
    }

    // A winner that holds the merged payments stays as it is; otherwise its
    // totals follow the merged list.
    EXPECT_FALSE(BWPaymentListMerge::withPayments(billWith({base, here}), {here, base}).has_value());
    const std::optional<QVariantMap> merged = BWPaymentListMerge::withPayments(billWith({base}), {base, here, there});
    ASSERT_TRUE(merged.has_value());
    EXPECT_EQ(merged->value(BillKeys::TotalPaid).toDouble(), 130.0);
    EXPECT_EQ(merged->value(BillKeys::LastPayment).toDateTime(), Noon.addDays(2));
}

TEST(BWPaymentListMergeTest, IncomingPaymentsKeepWhatOnlyThisDeviceKnows)
{
    QVariantMap local = payment(0, 100.0, "rent");
    local.insert(PaymentKeys::Receipt, QStringLiteral("/data/receipt.pdf"));
    local.insert(PaymentKeys::MovedDueDate, true);
    const QVariantList kept =
        BWPaymentListMerge::keepLocalDetails({payment(0, 100.0, "rent"), payment(1, 5.0, "new")}, {local});
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept.at(0).toMap().value(PaymentKeys::Receipt).toString(), "/data/receipt.pdf");
    EXPECT_TRUE(kept.at(0).toMap().value(PaymentKeys::MovedDueDate).toBool());
    EXPECT_FALSE(kept.at(1).toMap().contains(PaymentKeys::MovedDueDate));
}

TEST(CloudRecordConversionTest, BillBecomesARecordAndBack)
{
    const QString billID = BWUIDMaker::makeUID();
    const QVariantMap bill{{BillKeys::Name, QStringLiteral("Loan")},
                           {BillKeys::Bid, billID},
                           {BillKeys::DueDate, Noon.addDays(3)},             // moved for display
                           {BillKeys::AbsoluteDueDate, Noon.addDays(1)},     // the real one
                           {BillKeys::HumanDueDate, QStringLiteral("Due in 3 days")},
                           {BillKeys::Repeat, QVariantList{1, 2}},
                           {BillKeys::Rev, 25.0},
                           {BillKeys::PaymentList, QVariantList{QVariantMap{{PaymentKeys::Date, Noon}}}},
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
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::HumanDueDate, BillKeys::SyncModificationDate,
                               BillKeys::ModificationDateForFirebase, BillKeys::Notes})
        EXPECT_FALSE(fields.contains(key)) << key.toStdString();

    const QVariantMap back = OrvaneCloudManager::convertRecordintoBill(record, QStringLiteral("/data"));
    EXPECT_EQ(back.value(BillKeys::Name).toString(), "Loan");
    EXPECT_EQ(back.value(BillKeys::DueDate).toDateTime(), Noon.addDays(1));
    EXPECT_EQ(back.value(BillKeys::Rev).toDouble(), 25.0);
    EXPECT_EQ(back.value(BillKeys::SyncModificationDate).toDateTime(), Noon);
    EXPECT_EQ(back.value(BillKeys::PaymentList).toList().size(), 1);

    // Without its own date, a record is as new as the server says.
    CloudRecord unstamped = record;
    unstamped.fields.remove("localModificationDate");
    unstamped.modificationDate = Noon.addSecs(5);
    EXPECT_EQ(OrvaneCloudManager::convertRecordintoBill(unstamped, QString()).value(BillKeys::SyncModificationDate),
              QVariant(Noon.addSecs(5)));
}

TEST(CloudRecordConversionTest, TiesGoToWhoeverIsWriting)
{
    const QDateTime later = Noon.addSecs(1);
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordLocally(Noon, Noon));
    EXPECT_TRUE(OrvaneCloudManager::shouldSaveRecordToCloud(Noon, Noon));
    EXPECT_FALSE(OrvaneCloudManager::shouldSaveRecordLocally(later, Noon));
    EXPECT_FALSE(OrvaneCloudManager::shouldSaveRecordToCloud(Noon, later));
    EXPECT_TRUE(OrvaneCloudManager::recordIsAnIndexFileWithRecordName(IndexKeys::DeletedBills));
    EXPECT_FALSE(OrvaneCloudManager::recordIsAnIndexFileWithRecordName(IndexKeys::ArchivedBills));
}
