// Logging and undoing payments. The totals of a record (TotalPaid, Average,
// LastPayment) are always recomputed from its whole payment list, never
// adjusted by the one payment at hand, so they can't drift from the payments
// they sum however often payments are added, edited or undone.
#include "store/BWPaymentLogger.h"

#include <algorithm>
#include <cmath>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDataFolder.h"
#include "store/BWStoreObserver.h"
#include "store/BWDefaultsKeys.h"
#include "store/RepeatUnit.h"

namespace {

QDateTime newestPaymentDate(const QVariantList& payments)
{
    QDateTime newest;
    for (const QVariant& entry : payments) {
        const QDateTime date = entry.toMap().value(PaymentKeys::Date).toDateTime();
        if (date.isValid() && (!newest.isValid() || date > newest))
            newest = date;
    }
    return newest;
}

// An entry logged here knows what it took; for an entry from older data the
// share is worked out again from the bill's current escrow and interest,
// which is right as long as the balance is still kept.
double balanceTakenByEntry(const QVariantMap& payment, const QVariantMap& bill)
{
    if (payment.contains(PaymentKeys::BalanceReduction))
        return payment.value(PaymentKeys::BalanceReduction).toDouble();
    return BWPaymentLogger::balanceTakenBy(payment.value(PaymentKeys::Amount).toDouble(), bill);
}

// Whether two payment lists hold the same entries, in whatever order.
bool sameEntries(const QVariantList& payments, QVariantList others)
{
    if (payments.size() != others.size())
        return false;
    for (const QVariant& entry : payments) {
        if (!others.removeOne(entry))
            return false;
    }
    return true;
}

bool amountVaries(const QVariantMap& bill)
{
    return bill.value(BillKeys::AmountVaries).toLongLong() == 1;
}

bool isOneTimeItem(const QVariantMap& bill)
{
    return bill.value(BillKeys::Repeat).toList().value(1).toLongLong() == qlonglong(RepeatUnit::Never);
}

void adjustVaryingAmount(QVariantMap& bill, double paid, bool fullPayment)
{
    if (!amountVaries(bill))
        return;
    if (fullPayment)
        bill.insert(BillKeys::Amount, qlonglong(0));
    else
        bill.insert(BillKeys::Amount, std::max(0.0, bill.value(BillKeys::Amount).toDouble() - paid));
}

// Payments logged apart for one due date (on two computers before they were
// in step) moved it on once between them: while one of them stays, that
// occurrence is still paid.
bool occurrencePaidByAnother(const QVariantMap& reversed, const QVariantList& remaining)
{
    const QDateTime occurrence = reversed.value(PaymentKeys::DueDateBeforePayment).toDateTime();
    if (!occurrence.isValid())
        return false;
    return std::any_of(remaining.cbegin(), remaining.cend(), [&occurrence](const QVariant& entry) {
        const QVariantMap payment = entry.toMap();
        return BWPaymentLogger::paymentMovedDueDate(payment) && payment.value(PaymentKeys::DueDateBeforePayment).toDateTime() == occurrence;
    });
}

}  // namespace

bool BWPaymentLogger::recordPayment(const BWPayment& payment, const QVariantMap& bill, bool updateDate) const
{
    if (!payment.date.isValid() || !std::isfinite(payment.amount)) {
        Log::line(QStringLiteral("Refusing a payment without a date or with an amount that is not a number"));
        return false;
    }
    QVariantMap paid = bill;
    bool movedDueDate = false;
    if (updateDate)
        movedDueDate = moveDueDateOfBill(paid);

    const std::optional<QString> receipt = copyAttachment(payment.attachment);
    if (!receipt)
        return false;
    const double balanceReduction = balanceTakenBy(payment.amount, bill);
    adjustVaryingAmount(paid, payment.amount, updateDate);
    const double amountReduction = bill.value(BillKeys::Amount).toDouble() - paid.value(BillKeys::Amount).toDouble();
    // Logged again, the same amount on the same day is another payment.
    QVariantMap entry{{PaymentKeys::PaymentID, BWUIDMaker::makeUID()},
                      {PaymentKeys::Amount, payment.amount},
                      {PaymentKeys::Date, payment.date.toUTC()},
                      {PaymentKeys::Note, payment.note},
                      {PaymentKeys::Receipt, *receipt},
                      {PaymentKeys::BalanceReduction, balanceReduction},
                      {PaymentKeys::MovedDueDate, movedDueDate}};
    const QDateTime dueDateBefore = bill.value(BillKeys::AbsoluteDueDate).toDateTime();
    if (movedDueDate && dueDateBefore.isValid())
        entry.insert(PaymentKeys::DueDateBeforePayment, dueDateBefore.toUTC());
    if (amountReduction != 0.0)
        entry.insert(PaymentKeys::AmountReduction, amountReduction);
    // Only a full payment settles a one-time item; one paid in part is still owed.
    const bool archives = updateDate && isOneTimeItem(paid)
        && m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldAutoArchiveBills);
    if (archives) {
        entry.insert(PaymentKeys::ArchivedItem, true);
        entry.insert(PaymentKeys::RemindMeBeforePayment, bill.value(BillKeys::RemindMe).toBool());
    }
    const QVariantList payments = addNewRecordToPaymentList(entry, paid);
    paid.insert(BillKeys::PaymentList, payments);
    setTotalsFromPayments(paid, payments);
    // Balance follows from BalanceReduction when the bill is written.
    if (archives) {
        paid.insert(BillKeys::RemindMe, false);
        paid.insert(BillKeys::IsArchived, true);
    }

    // The rewrite renews the item's reminders itself, and only once the new
    // record is stored, so a failed write leaves the old reminders in place.
    if (!BWBill(m_env).rewriteSpecificBill(paid)) {
        removeReceiptCopy(*receipt);
        return false;
    }
    if (m_env.observer)
        m_env.observer->paymentLogged(paid.value(BillKeys::Bid).toString());
    return true;
}

QVariantList BWPaymentLogger::addNewRecordToPaymentList(QVariantMap paymentRecord, const QVariantMap& bill)
{
    paymentRecord.insert(PaymentKeys::Receipt, cleanReceiptTitle(paymentRecord.value(PaymentKeys::Receipt).toString()));
    QVariantList payments = bill.value(BillKeys::PaymentList).toList();
    payments.append(paymentRecord);
    return payments;
}

void BWPaymentLogger::setTotalsFromPayments(QVariantMap& bill, const QVariantList& payments)
{
    const PaymentTotals totals = recalculateAveragePaidForData(payments);
    bill.insert(BillKeys::TotalPaid, totals.total);
    bill.insert(BillKeys::Average, totals.average);
    const QDateTime newest = newestPaymentDate(payments);
    bill.insert(BillKeys::LastPayment, newest.isValid() ? newest.toUTC() : PropertyList::distantPast());
    Log::line(QStringLiteral("Updating Last Paid Date Complete"));
}

BWPaymentLogger::PaymentTotals BWPaymentLogger::recalculateAveragePaidForData(const QVariantList& payments)
{
    PaymentTotals totals;
    for (const QVariant& entry : payments)
        totals.total += entry.toMap().value(PaymentKeys::Amount).toDouble();
    if (!payments.isEmpty())
        totals.average = totals.total / double(payments.size());
    return totals;
}

QVariantList BWPaymentLogger::paymentsNewestFirst(QVariantList payments)
{
    std::stable_sort(payments.begin(), payments.end(), [](const QVariant& left, const QVariant& right) {
        return left.toMap().value(PaymentKeys::Date).toDateTime() > right.toMap().value(PaymentKeys::Date).toDateTime();
    });
    return payments;
}

// A payment from older data says nothing, and every such payment was a full one.
bool BWPaymentLogger::paymentMovedDueDate(const QVariantMap& payment)
{
    return payment.value(PaymentKeys::MovedDueDate, true).toBool();
}

bool BWPaymentLogger::reverseLastPaymentForBill(const QString& billID, QVariantList& payments) const
{
    if (payments.isEmpty()) {
        Log::line(QStringLiteral("No payment of %1 to reverse").arg(billID));
        return false;
    }
    const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID);
    if (!bill)
        return false;
    // The shown list replaces the stored one: when a payment was logged (or
    // auto-logged) since it was shown, storing it would silently drop that one.
    if (!sameEntries(payments, bill->value(BillKeys::PaymentList).toList())) {
        Log::line(QStringLiteral("The payments of %1 changed since they were shown; nothing reversed").arg(billID));
        return false;
    }

    const QVariantMap reversed = payments.first().toMap();
    const QVariantList remaining = payments.mid(1);
    QVariantMap restored = *bill;
    if (paymentMovedDueDate(reversed) && !occurrencePaidByAnother(reversed, remaining))
        moveDueDateBackBefore(reversed, restored);
    // What it took off Balance comes back as the payment goes, when the bill
    // is written.
    // An entry from older data doesn't say what it took off a varying amount,
    // and an amount that is fixed by now stays as the user set it.
    const double amountBack = reversed.value(PaymentKeys::AmountReduction).toDouble();
    if (amountBack != 0.0 && amountVaries(*bill))
        restored.insert(BillKeys::Amount, bill->value(BillKeys::Amount).toDouble() + amountBack);
    // Undoing the payment that archived a one-time item brings the item back
    // as it was, reminders included.
    if (reversed.value(PaymentKeys::ArchivedItem).toBool()) {
        restored.insert(BillKeys::IsArchived, false);
        restored.insert(BillKeys::RemindMe, reversed.value(PaymentKeys::RemindMeBeforePayment).toBool());
    }
    restored.insert(BillKeys::PaymentList, remaining);
    setTotalsFromPayments(restored, remaining);

    if (!BWBill(m_env).rewriteSpecificBill(restored))
        return false;
    removeUnusedReceiptCopies(bill->value(BillKeys::PaymentList).toList() + payments, remaining);
    // As stored now, which names every payment by its id.
    const std::optional<QVariantMap> stored = BWBillsLoader(m_env).loadBillWithID(billID);
    payments = stored ? paymentsNewestFirst(stored->value(BillKeys::PaymentList).toList()) : remaining;
    return true;
}

// A step back by the rule doesn't always undo a step on: a one-time item
// never comes back from the distant future. The date the payment moved from
// is exact, as long as the bill is still due on the date that payment moved
// it to; otherwise (a payment logged later but dated earlier, an edited due
// date, an entry from older data, a date that a shorter month had clipped)
// the rule steps back from where the bill is now.
void BWPaymentLogger::moveDueDateBackBefore(const QVariantMap& reversed, QVariantMap& bill) const
{
    const QDateTime recorded = reversed.value(PaymentKeys::DueDateBeforePayment).toDateTime();
    if (recorded.isValid()) {
        QVariantMap beforePayment = bill;
        beforePayment.insert(BillKeys::AbsoluteDueDate, recorded);
        beforePayment.remove(BillKeys::DueDayOfMonth);
        if (calculateNextDueDateForBill(beforePayment) == bill.value(BillKeys::AbsoluteDueDate).toDateTime()) {
            BWBill::setDueDateOfRecord(bill, recorded);
            bill.remove(BillKeys::DueDayOfMonth);
            return;
        }
    }
    moveDueDateOfBill(bill, -1);
}

bool BWPaymentLogger::savePaymentList(const QVariantList& payments, const QString& billID) const
{
    const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID);
    if (!bill)
        return false;
    return storePaymentList(*bill, *bill, payments);
}

double BWPaymentLogger::interestShareOf(const QVariantMap& bill)
{
    const double stored = bill.value(BillKeys::Interest).toDouble();
    if (stored >= 0.0 && stored <= 1.0)
        return stored;
    if (stored > 1.0 && stored <= 100.0)
        return stored / 100.0;
    Log::line(QStringLiteral("Interest %1 of %2 is no rate; taken as 0")
                  .arg(stored)
                  .arg(bill.value(BillKeys::Bid).toString()));
    return 0.0;
}

bool BWPaymentLogger::saveEditedPayment(QVariantList payments, qsizetype index, QVariantMap edited,
                                        const QString& billID) const
{
    const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID);
    if (!bill || index < 0 || index >= payments.size())
        return false;
    const QVariantMap before = payments.at(index).toMap();
    // The same payment, edited: what else its entry knows stays with it.
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!edited.contains(it.key()))
            edited.insert(it.key(), it.value());
    }
    const double taken = balanceTakenByEntry(before, *bill);
    if (taken != 0.0) {
        // Escrow is the same share of any amount, so only the change of the
        // amount, less its interest share, changes what it takes off.
        const double change
            = (edited.value(PaymentKeys::Amount).toDouble() - before.value(PaymentKeys::Amount).toDouble())
              * (1.0 - interestShareOf(*bill));
        edited.insert(PaymentKeys::BalanceReduction, std::max(0.0, taken + change));
    }
    payments[index] = edited;
    return storePaymentList(*bill, *bill, paymentsNewestFirst(payments));
}

// Stores `changed` (the loaded `bill`, changed) with `payments` as its list.
bool BWPaymentLogger::storePaymentList(const QVariantMap& bill, QVariantMap changed, const QVariantList& payments) const
{
    changed.insert(BillKeys::PaymentList, payments);
    setTotalsFromPayments(changed, payments);
    if (!BWBill(m_env).rewriteSpecificBill(changed))
        return false;
    removeUnusedReceiptCopies(bill.value(BillKeys::PaymentList).toList(), payments);
    return true;
}

double BWPaymentLogger::amountPrefilValueForBill(const QVariantMap& bill)
{
    const double amount = bill.value(BillKeys::Amount).toDouble();
    if (amount > 0.0)
        return amount;
    const QVariantList payments = bill.value(BillKeys::PaymentList).toList();
    const QDateTime newest = newestPaymentDate(payments);
    for (const QVariant& entry : payments) {
        const QVariantMap payment = entry.toMap();
        if (payment.value(PaymentKeys::Date).toDateTime() == newest)
            return payment.value(PaymentKeys::Amount).toDouble();
    }
    return 0.0;
}

bool BWPaymentLogger::checkIfBillShouldSilentlyLog(const QVariantMap& bill, bool incomeAutologging) const
{
    return isDueAsStored(bill)
           && BWAutomaticPayments(m_env).isDue(bill, {.automaticBills = true, .income = incomeAutologging});
}

// A list can show a bill more than once (the further occurrences of this
// month) and can be older than the bill's file. Logged from such a record, a
// payment would move the bill on from a later date than its own and leave
// the bill's real due date unpaid.
bool BWPaymentLogger::isDueAsStored(const QVariantMap& bill) const
{
    const QString billID = bill.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID))
        return true;
    const std::optional<QVariantMap> stored = BWBillsLoader(m_env).loadBillWithID(billID);
    const QDateTime dueDate = bill.value(BillKeys::AbsoluteDueDate).toDateTime();
    return !stored || stored->value(BillKeys::AbsoluteDueDate).toDateTime() == dueDate;
}

double BWPaymentLogger::balanceTakenBy(double amount, const QVariantMap& bill)
{
    if (bill.value(BillKeys::Balance).toDouble() <= 0.0)
        return 0.0;
    // An escrow larger than the payment takes nothing off, and adds nothing.
    const double principal = std::max(0.0, amount - bill.value(BillKeys::Rev).toDouble());
    return principal - interestShareOf(bill) * principal;
}

bool BWPaymentLogger::shouldUpdateLastPaidDate(const QDateTime& currentDate, const QDateTime& newDate)
{
    return currentDate.secsTo(newDate) >= 1;
}

QString BWPaymentLogger::dataFolder() const
{
    return BWDataFolder(m_env).path();
}
