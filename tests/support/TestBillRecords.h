#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "store/BWBillRecordKeys.h"

// A new monthly bill as the editor hands it to the writer: paid online, no
// reminder, payments or tags, neither archived nor income.
inline QVariantMap newMonthlyBill(const QString& name, const QString& billID, const QDateTime& dueDate,
                                  double amount)
{
    return {{BillKeys::Name, name},
            {BillKeys::Bid, billID},
            {BillKeys::Icon, QStringLiteral("GScale_Home")},
            {BillKeys::DueDate, dueDate},
            {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
            {BillKeys::Amount, amount},
            {BillKeys::PayType, qlonglong(0)},
            {BillKeys::RemindMe, false},
            {BillKeys::PaymentList, QVariantList{}},
            {BillKeys::Tags, QVariantList{}},
            {BillKeys::IsArchived, false},
            {BillKeys::IsIncome, false}};
}

// The record with `key` set to `value`.
inline QVariantMap with(QVariantMap record, const QString& key, const QVariant& value)
{
    record.insert(key, value);
    return record;
}

// A version file of a shared folder (its "Fields" a bill record) as the
// earlier layout wrote it: no stamps, no versions it was made from, and its
// one payment in the four lists of the earlier versions.
inline QVariantMap earlierLayoutVersion(QVariantMap version, const QDateTime& paid, double amount,
                                        const QString& note)
{
    QVariantMap fields = version.value(QStringLiteral("Fields")).toMap();
    for (const QString& key :
         {BillKeys::PaymentList, BillKeys::FieldStamps, BillKeys::BalanceSet, BillKeys::ModificationStamp,
          BillKeys::SyncModificationDate, BillKeys::ModificationDateForFirebase})
        fields.remove(key);
    fields.insert(QStringLiteral("PaymentListDates"), QVariantList{paid});
    fields.insert(QStringLiteral("PaymentListAmounts"), QVariantList{amount});
    fields.insert(QStringLiteral("PaymentListNotes"), QVariantList{note});
    fields.insert(QStringLiteral("PaymentListAttachments"), QVariantList{QString()});
    version.insert(QStringLiteral("Fields"), fields);
    version.remove(QStringLiteral("MadeFrom"));
    return version;
}
