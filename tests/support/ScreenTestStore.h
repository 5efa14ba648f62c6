#pragma once

#include <QDir>
#include <gtest/gtest.h>

#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/DueDateTestSupport.h"
#include "support/TempStoreEnvironment.h"
#include "support/UsEnglishLocale.h"

// The store behind a screen test: a data folder and settings of its own, in
// New York time and US English, with the clock at `day` and `time` local
// time. Items are stored
// through the store's writer, as the screens' own editors store them.
class ScreenTestStore : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    ScreenTestStore(const QDate& day, const QTime& time)
        : TempStoreEnvironment(QStringLiteral("data/Orvane/Orvane.ovdata"), QStringLiteral("data/Orvane"))
    {
        clock.setNow(QDateTime(day, time));
    }

    // A monthly bill of 50.00 with every key a new record is written with;
    // `changes` replace keys.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantMap& changes = {})
    {
        QVariantMap record{{BillKeys::Name, name},
                           {BillKeys::Bid, BWUIDMaker::makeUID()},
                           {BillKeys::Icon, QStringLiteral("GScale_Home")},
                           {BillKeys::DueDate, dueDate},
                           {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                           {BillKeys::Average, 0.0},
                           {BillKeys::LastPayment, PropertyList::distantPast()},
                           {BillKeys::TotalPaid, 0.0},
                           {BillKeys::RemindMe, false},
                           {BillKeys::PaySite, QString()},
                           {BillKeys::PaymentList, QVariantList{}},
                           {BillKeys::ReminderDays, qlonglong(3)},
                           {BillKeys::Balance, 0.0},
                           {BillKeys::Interest, 0.0},
                           {BillKeys::Notes, QString()},
                           {BillKeys::Tags, QVariantList{}},
                           {BillKeys::Amount, 50.0},
                           {BillKeys::PayType, qlonglong(0)},
                           {BillKeys::Rev, 0.0},
                           {BillKeys::AmountVaries, qlonglong(0)},
                           {BillKeys::IsArchived, false},
                           {BillKeys::IsIncome, false}};
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        return record;
    }
    // Stores the record as a new active item and returns its id.
    QString store(const QVariantMap& record) const
    {
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, false));
        return record.value(BillKeys::Bid).toString();
    }
    QVariantMap storedFile(const QString& billID) const
    {
        return PropertyList::read(QDir(env.defaultDataFolder).filePath(billID + QStringLiteral(".plist")))
            .value.toMap();
    }
    static QStringList names(const QVariantList& records)
    {
        QStringList result;
        for (const QVariant& record : records)
            result.append(record.toMap().value(BillKeys::Name).toString());
        return result;
    }

    DueDateTestZone zone;
    UsEnglishLocale locale;
};
