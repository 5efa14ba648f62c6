// The last step of every group load: repeating items that fall due again
// within this month show each of those occurrences, as copies that live only
// in the loaded list. Income items log their own payments through the
// automatic-payment step, which the shell runs before it loads.
#include "store/BWBillsLoader.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/RepeatUnit.h"

namespace {

constexpr qlonglong AlwaysShowNextOccurrence = 1;

QDateTime dueDateOrNow(const QVariantMap& bill, const QDateTime& now)
{
    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    return dueDate.isValid() ? dueDate : now;
}

}  // namespace

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
