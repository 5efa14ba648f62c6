#pragma once

#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "support/TempStoreEnvironment.h"
#include "support/TestBillRecords.h"
#include "support/UsEnglishLocale.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"

// Records and settings for the calculators, in New York time and US English,
// with the clock on Tuesday 10 March 2026 at 10:00 local time. Settings start
// at their registered values (a due-soon window of 7 days, automatic bills not
// counted, estimates on).
class StoreFiguresTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    StoreFiguresTest() : TempStoreEnvironment(QStringLiteral("Orvane.ovdata"))
    {
        // These figures are taken without an app-group suite.
        env.appGroup = nullptr;
        clock.setNow(localMoment(2026, 3, 10, 10));
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
    }

    void setSetting(const QString& key, const QVariant& value) { defaults.setObject(key, value); }

    static QVariantMap payment(double amount, const QDateTime& date)
    {
        return {{PaymentKeys::Amount, amount},
                {PaymentKeys::Date, date},
                {PaymentKeys::Note, QString()},
                {PaymentKeys::Receipt, QString()}};
    }
    static QVariantList payments(const QList<std::pair<double, QDate>>& amountsAndDays)
    {
        QVariantList list;
        for (const auto& [amount, day] : amountsAndDays)
            list.append(payment(amount, localMoment(day.year(), day.month(), day.day(), 12)));
        return list;
    }
    // A monthly online bill of `amount` due at 09:00 on `dueDay`.
    static QVariantMap bill(const QString& name, double amount, const QDate& dueDay)
    {
        return {{BillKeys::Name, name},
                {BillKeys::Bid, name.toUpper().leftJustified(32, u'0').left(32)},
                {BillKeys::Icon, QStringLiteral("GScale_Home")},
                {BillKeys::DueDate, localMoment(dueDay.year(), dueDay.month(), dueDay.day(), 9)},
                {BillKeys::AbsoluteDueDate, localMoment(dueDay.year(), dueDay.month(), dueDay.day(), 9)},
                {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                {BillKeys::Amount, amount},
                {BillKeys::AmountVaries, qlonglong(0)},
                {BillKeys::Average, 0.0},
                {BillKeys::PayType, qlonglong(0)},
                {BillKeys::PaymentList, QVariantList()},
                {BillKeys::IsIncome, false}};
    }
    // A bill whose amount varies (stored as 0), with these payments.
    static QVariantMap varyingBill(const QString& name, const QString& icon, const QDate& dueDay,
                                   const QVariantList& paymentList)
    {
        QVariantMap record = bill(name, 0.0, dueDay);
        record.insert(BillKeys::AmountVaries, qlonglong(1));
        record.insert(BillKeys::Icon, icon);
        record.insert(BillKeys::PaymentList, paymentList);
        return record;
    }
    QDate today() const { return clock.today(); }

    DueDateTestZone zone;
    UsEnglishLocale locale;
};
