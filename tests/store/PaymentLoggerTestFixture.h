#pragma once

#include <QDir>
#include <QStringList>

#include "BWBillTestFixture.h"
#include "DueDateTestSupport.h"
#include "support/TestBillRecords.h"
#include "store/BWBillsLoader.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"

// Bills stored in a data folder of their own, in New York time, with the
// clock on Tuesday 8 March 2016 at 10:00 local time (the second Tuesday).
class PaymentLoggerTest : public BWBillTest
{
protected:
    PaymentLoggerTest() { clock.setNow(localMoment(2016, 3, 8, 10)); }

    BWPaymentLogger logger() const { return BWPaymentLogger(env); }
    BWBillsLoader loader() const { return BWBillsLoader(env); }

    // A bill as the editor stores it, due at 09:00 local time on `dueDay`.
    static QVariantMap billDue(const QDate& dueDay, qlonglong count, qlonglong unit)
    {
        QVariantMap stored = record(BWUIDMaker::makeUID());
        stored.insert(BillKeys::DueDate, localMoment(dueDay.year(), dueDay.month(), dueDay.day(), 9));
        stored.insert(BillKeys::Repeat, QVariantList{count, unit});
        stored.insert(BillKeys::Amount, 100.0);
        return stored;
    }

    // Stores the bills' files and lists them, in this order, as the active bills.
    void storeBills(const QList<QVariantMap>& bills) const
    {
        QStringList active;
        for (const QVariantMap& bill : bills) {
            storeFile(bill);
            active.append(bill.value(BillKeys::Bid).toString());
        }
        storeIndex(active);
    }
    // Stores the bill and hands it back as a load gives it out.
    QVariantMap storeAndLoad(const QVariantMap& bill) const
    {
        storeBills({bill});
        return loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value_or(QVariantMap());
    }

    QVariantMap stored(const QVariantMap& bill) const { return readFile(bill.value(BillKeys::Bid).toString()); }
    QVariantList storedPayments(const QVariantMap& bill) const
    {
        return stored(bill).value(BillKeys::PaymentList).toList();
    }
    // The stored list newest first, as the bill page shows it.
    QVariantList newestFirst(const QVariantMap& bill) const
    {
        QVariantList payments = storedPayments(bill);
        std::reverse(payments.begin(), payments.end());
        return payments;
    }

    static BWPayment payment(double amount, const QDateTime& date, const QString& note = QStringLiteral("Paid"),
                             const QString& attachment = QString())
    {
        return BWPayment{amount, date, note, attachment};
    }

    DueDateTestZone zone;
};
