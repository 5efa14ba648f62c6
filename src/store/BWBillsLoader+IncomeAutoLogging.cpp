// The last two steps of every group load. Income items whose pay date has come
// log their own payment, so the user never logs a salary by hand; and
// repeating items that fall due again within this month show each of those
// occurrences, as copies that live only in the loaded list.
#include "store/BWBillsLoader.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "store/OrLogHelper.h"
#include "store/RepeatUnit.h"

namespace {

// An item that repeats every day would otherwise fill the list with a copy
// for every remaining day of the month.
constexpr int MaximumExtraOccurrencePasses = 6;
constexpr qlonglong AlwaysShowNextOccurrence = 1;

QDateTime dueDateOrNow(const QVariantMap& bill, const QDateTime& now)
{
    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    return dueDate.isValid() ? dueDate : now;
}

// A pay date counts as logged once a payment stands on it. This is what keeps
// an item whose rule doesn't move its date on (a count of 0, a damaged rule)
// from being logged again on every load.
bool hasPaymentOn(const QVariantMap& bill, const QDateTime& date)
{
    for (const QVariant& entry : bill.value(BillKeys::PaymentList).toList()) {
        const QDateTime paid = entry.toMap().value(PaymentKeys::Date).toDateTime();
        if (paid.isValid() && paid.toSecsSinceEpoch() == date.toSecsSinceEpoch())
            return true;
    }
    return false;
}

// A rule that moves the pay date back (a negative count in a damaged record)
// would leave the item due for ever: every load would log it again, each time
// further in the past.
bool ruleMovesPayDateBack(const BWPaymentLogger& logger, const QVariantMap& item)
{
    const QDateTime next = logger.calculateNextDueDateForBill(item);
    return next.isValid() && next < item.value(BillKeys::AbsoluteDueDate).toDateTime();
}

}  // namespace

std::pair<bool, QVariantList> BWBillsLoader::updateIncomeFromPreviousDates(const QVariantList& bills) const
{
    if (!m_env.defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome))
        return {false, bills};

    const OrLogHelper days(*m_env.clock);
    const BWPaymentLogger logger(m_env);
    const QString note = QCoreApplication::translate("BWBillsLoader", "Auto-logged by Orvane");
    bool changed = false;
    QVariantList result;
    for (const QVariant& entry : bills) {
        const QVariantMap item = entry.toMap();
        const QDateTime payDate = dueDateOrNow(item, now());
        // An archived item's pay dates are over, whatever date it still carries.
        const bool due = item.value(BillKeys::IsIncome).toBool() && !item.value(BillKeys::IsArchived).toBool()
                         && days.isDateTodayPastOrFutureForDate(payDate) != OrLogHelper::FutureDay
                         && !hasPaymentOn(item, payDate) && !ruleMovesPayDateBack(logger, item);
        if (!due) {
            result.append(entry);
            continue;
        }
        const BWPayment payment{item.value(BillKeys::Amount).toDouble(), item.value(BillKeys::DueDate).toDateTime(),
                                note, QString()};
        if (!logger.recordPayment(payment, item)) {
            result.append(entry);
            continue;
        }
        changed = true;
        std::optional<QVariantMap> stored = loadBillWithID(item.value(BillKeys::Bid).toString());
        if (!stored) {
            // Its payment is stored; the next load shows the item again.
            Log::line(QStringLiteral("Income %1 could not be read back after its payment; left out of this list")
                          .arg(item.value(BillKeys::Bid).toString()));
            continue;
        }
        addNecessaryInfoToBill(*stored, false);
        result.append(*stored);
    }
    return {changed, result};
}

bool BWBillsLoader::listOfBillsWithExtraIncomesAdded(const QVariantList& bills) const
{
    const BWPaymentLogger logger(m_env);
    const bool alwaysShowNext =
        m_env.defaults->integerForKey(BWDefaultsKeys::BWHowMuchIncomeToShow) == AlwaysShowNextOccurrence;
    const QDateTime current = now();
    bool processed = false;
    QVariantList result;
    for (const QVariant& entry : bills) {
        QVariantMap item = entry.toMap();
        if (item.value(BillKeys::HasBeenDuplicated).toBool() || !billDoesRepeat(item)
            || !isDueDate(dueDateOrNow(item, current), current)) {
            result.append(entry);
            continue;
        }
        item.insert(BillKeys::HasBeenDuplicated, true);
        result.append(item);
        processed = true;
        // A rule that gives no later date would only repeat the item itself.
        const QDateTime next = logger.calculateNextDueDateForBill(item);
        if (next.isValid() && next > item.value(BillKeys::AbsoluteDueDate).toDateTime()
            && (alwaysShowNext || isDueDate(next, current))) {
            QVariantMap occurrence = item;
            BWBill::setDueDateOfRecord(occurrence, next);
            occurrence.remove(BillKeys::DateWasModified);   // the copy's date is not shifted
            occurrence.insert(BillKeys::HasBeenDuplicated, false);
            addNecessaryInfoToBill(occurrence, false);
            result.append(occurrence);
            if (!alwaysShowNext)
                Log::line(QStringLiteral("Adding a new income\u2014updated bill\u2014to the list"));
        }
    }
    m_listOfBillsBeingWithExtraIncomes = result;
    return processed;
}

bool BWBillsLoader::billDoesRepeat(const QVariantMap& bill)
{
    return bill.value(BillKeys::Repeat).toList().value(1).toLongLong() != qlonglong(RepeatUnit::Never);
}

bool BWBillsLoader::billIsIncome(const QVariantMap& bill)
{
    return bill.value(BillKeys::IsIncome).toBool();
}

QVariantList BWBillsLoader::withIncomeLoggedAndExtraOccurrences(const QVariantList& bills, const QString& tag,
                                                                bool overRideIncome) const
{
    auto [changed, result] = updateIncomeFromPreviousDates(bills);
    // One more round catches an item that was more than one pay date behind.
    if (changed)
        result = updateIncomeFromPreviousDates(result).second;
    if (tag == PseudoTags::DueSoon || overRideIncome)
        return result;
    for (int pass = 0; pass < MaximumExtraOccurrencePasses && listOfBillsWithExtraIncomesAdded(result); ++pass)
        result = m_listOfBillsBeingWithExtraIncomes;
    return result;
}
