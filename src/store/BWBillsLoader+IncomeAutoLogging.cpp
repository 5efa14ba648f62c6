// The last step of every group load: repeating items that fall due again
// within this month show each of those occurrences, as copies that live only
// in the loaded list. Income items log their own payments through the
// automatic-payment step, which the shell runs before it loads.
#include "store/BWBillsLoader.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWAutomaticPayments.h"
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

}  // namespace

// The automatic-payment step, for the income items of `bills`; each logged
// item is put back as stored afterwards.
std::pair<bool, QVariantList> BWBillsLoader::updateIncomeFromPreviousDates(const QVariantList& bills) const
{
    QVariantList incomeItems;
    std::copy_if(bills.begin(), bills.end(), std::back_inserter(incomeItems),
                 [](const QVariant& entry) { return billIsIncome(entry.toMap()); });
    const QStringList logged =
        BWAutomaticPayments(m_env).logDuePaymentsOnce(BWAutomaticPayments::billIDsOf(incomeItems));
    if (logged.isEmpty())
        return {false, bills};
    QVariantList result;
    for (const QVariant& entry : bills) {
        const QString billID = entry.toMap().value(BillKeys::Bid).toString();
        if (!logged.contains(billID)) {
            result.append(entry);
            continue;
        }
        std::optional<QVariantMap> stored = loadBillWithID(billID);
        if (!stored) {
            // Its payment is stored; the next load shows the item again.
            Log::line(QStringLiteral("Income %1 could not be read back after its payment; left out of this list")
                          .arg(billID));
            continue;
        }
        addNecessaryInfoToBill(*stored, false);
        result.append(*stored);
    }
    return {true, result};
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
        QVariantMap occurrence = item;
        const bool moved = logger.moveDueDateOfBill(occurrence);
        const QDateTime next = occurrence.value(BillKeys::AbsoluteDueDate).toDateTime();
        if (moved && next > item.value(BillKeys::AbsoluteDueDate).toDateTime()
            && (alwaysShowNext || isDueDate(next, current))) {
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

QVariantList BWBillsLoader::withExtraOccurrences(const QVariantList& bills, const QString& tag,
                                                 bool overRideIncome) const
{
    QVariantList result = bills;
    if (tag == PseudoTags::DueSoon || overRideIncome)
        return result;
    for (int pass = 0; pass < MaximumExtraOccurrencePasses && listOfBillsWithExtraIncomesAdded(result); ++pass)
        result = m_listOfBillsBeingWithExtraIncomes;
    return result;
}
