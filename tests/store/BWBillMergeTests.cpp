#include "store/BWBillMerge.h"

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

QVariantMap billWith(const QVariantList& payments, const QVariantList& removed = {},
                     const QString& notes = QStringLiteral("rent"))
{
    QVariantMap bill{{BillKeys::Name, QStringLiteral("Rent")},
                     {BillKeys::Notes, notes},
                     {BillKeys::PaymentList, payments}};
    QStringList identities;
    for (const QVariant& entry : removed)
        identities.append(BWBillMerge::identityOf(entry));
    if (!identities.isEmpty())
        bill.insert(BWBillMerge::RemovedPaymentsKey, identities);
    return bill;
}

QStringList notesOf(const QVariantMap& bill)
{
    QStringList notes;
    for (const QVariant& entry : bill.value(BillKeys::PaymentList).toList())
        notes.append(entry.toMap().value(PaymentKeys::Note).toString());
    notes.sort();
    return notes;
}

}  // namespace

TEST(BWBillMergeTest, PaymentsAreEveryCopysLessThoseADeviceRemoved)
{
    const QVariantMap base = payment(0, 100.0, "base");
    const QVariantMap here = payment(1, 10.0, "here");
    const QVariantMap there = payment(2, 20.0, "there");
    QVariantMap baseEdited = base;
    baseEdited.insert(PaymentKeys::Amount, 90.0);
    baseEdited.insert(PaymentKeys::Note, "base edited");
    struct Case {
        const char* name;
        QVariantMap newer;
        QVariantMap older;
        QStringList expected;
    };
    const Case cases[] = {
        {"each copy's new payment is kept", billWith({base, here}), billWith({base, there}),
         {"base", "here", "there"}},
        {"an older copy lacking a payment removes nothing", billWith({base, here}), billWith({base}),
         {"base", "here"}},
        {"a newer copy lacking a payment removes nothing", billWith({base}), billWith({base, here}),
         {"base", "here"}},
        {"a device that had the payment removed it", billWith({base}, {here}), billWith({base, here}), {"base"}},
        {"an older copy's removal holds too", billWith({base, here, there}), billWith({base}, {here}),
         {"base", "there"}},
        {"two payments of one second are two", billWith({payment(0, 10.0, "a")}), billWith({payment(0, 20.0, "b")}),
         {"a", "b"}},
        {"an edited payment replaces the old one", billWith({baseEdited}, {base}), billWith({base, here}),
         {"base edited", "here"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BWBillMerge::Copy newer{c.newer, Noon.addSecs(60)};
        const BWBillMerge::Copy older{c.older, Noon};
        const BWBillMerge::Copy merged = BWBillMerge::merged(newer, older);
        EXPECT_EQ(notesOf(merged.bill), c.expected);
        EXPECT_EQ(merged.date, Noon.addSecs(60));
        // The order of merging, and merging again, change nothing.
        EXPECT_TRUE(BWBillMerge::sameContent(BWBillMerge::merged(older, newer).bill, merged.bill));
        EXPECT_TRUE(BWBillMerge::sameContent(BWBillMerge::merged(merged, older).bill, merged.bill));
        EXPECT_TRUE(BWBillMerge::sameContent(BWBillMerge::merged(newer, merged).bill, merged.bill));
    }
}

TEST(BWBillMergeTest, FieldsComeFromTheLaterCopyAndTotalsFollowThePayments)
{
    const QVariantMap later = billWith({payment(0, 100.0, "base")}, {}, "later notes");
    const QVariantMap earlier = billWith({payment(0, 100.0, "base"), payment(2, 30.0, "new")}, {}, "earlier notes");
    const BWBillMerge::Copy merged = BWBillMerge::merged({earlier, Noon}, {later, Noon.addSecs(1)});
    EXPECT_EQ(merged.bill.value(BillKeys::Notes).toString(), "later notes");
    EXPECT_EQ(merged.bill.value(BillKeys::TotalPaid).toDouble(), 130.0);
    EXPECT_EQ(merged.bill.value(BillKeys::LastPayment).toDateTime(), Noon.addDays(2));

    // Copies of one moment: every device picks the same fields.
    const BWBillMerge::Copy one = BWBillMerge::merged({earlier, Noon}, {later, Noon});
    const BWBillMerge::Copy other = BWBillMerge::merged({later, Noon}, {earlier, Noon});
    EXPECT_EQ(one.bill.value(BillKeys::Notes), other.bill.value(BillKeys::Notes));
    EXPECT_FALSE(BWBillMerge::sameContent(later, earlier));
}

TEST(BWBillMergeTest, RemovalsAreMarkedByIdentity)
{
    const QVariantMap kept = payment(0, 100.0, "kept");
    const QVariantMap dropped = payment(1, 10.0, "dropped");
    QVariantMap bill = billWith({kept});
    BWBillMerge::markRemovedPayments(bill, {kept, dropped}, {kept});
    BWBillMerge::markRemovedPayments(bill, {kept, dropped}, {kept});
    EXPECT_EQ(bill.value(BWBillMerge::RemovedPaymentsKey).toStringList(), QStringList{BWBillMerge::identityOf(dropped)});
    // Known by moment, amount and note, to the second.
    QVariantMap sameLater = dropped;
    sameLater.insert(PaymentKeys::Date, Noon.addDays(1).addMSecs(400));
    EXPECT_EQ(BWBillMerge::identityOf(sameLater), BWBillMerge::identityOf(dropped));
}

TEST(BWBillMergeTest, IncomingPaymentsKeepWhatOnlyThisDeviceKnows)
{
    QVariantMap local = payment(0, 100.0, "rent");
    local.insert(PaymentKeys::Receipt, QStringLiteral("/data/receipt.pdf"));
    local.insert(PaymentKeys::MovedDueDate, true);
    const QVariantList kept =
        BWBillMerge::keepLocalDetails({payment(0, 100.0, "rent"), payment(1, 5.0, "new")}, {local});
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept.at(0).toMap().value(PaymentKeys::Receipt).toString(), "/data/receipt.pdf");
    EXPECT_TRUE(kept.at(0).toMap().value(PaymentKeys::MovedDueDate).toBool());
    EXPECT_FALSE(kept.at(1).toMap().contains(PaymentKeys::MovedDueDate));
}
