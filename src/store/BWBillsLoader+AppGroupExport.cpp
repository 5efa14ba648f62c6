#include "store/BWBillsLoader.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"

namespace {

void sortByDueDate(QVariantList& bills)
{
    std::stable_sort(bills.begin(), bills.end(), [](const QVariant& a, const QVariant& b) {
        return a.toMap().value(BillKeys::SortableDueDate).toLongLong()
             < b.toMap().value(BillKeys::SortableDueDate).toLongLong();
    });
}

// Due dots that still ask for attention when automatic bills are hidden.
bool isUrgentDot(const QString& dueIcon)
{
    static const QStringList urgent{QStringLiteral("yellow5.png"), QStringLiteral("red5.png"),
                                    QStringLiteral("red5"), QStringLiteral("yellow5")};
    return urgent.contains(dueIcon);
}

// What the extension has no use for: it shows the items' due state, never
// their payments or the sync bookkeeping, which make up most of a record (a
// copy with them runs to a hundred megabytes at thousands of items, and the
// suite is read at every start). The duplicate marker is the load's own.
const QStringList& keysLeftOutOfExport()
{
    static const QStringList keys{BillKeys::HasBeenDuplicated,   BillKeys::PaymentList,
                                  BillKeys::FieldStamps,         BillKeys::RemovedPaymentIDs,
                                  BillKeys::RemovedPaymentShares, BillKeys::RemovedPayments};
    return keys;
}

// One copy of the record without them: the records share their data with
// the loaded list.
QVariantMap exportedRecord(const QVariantMap& bill)
{
    QVariantMap record;
    for (auto it = bill.cbegin(); it != bill.cend(); ++it) {
        if (!keysLeftOutOfExport().contains(it.key()))
            record.insert(record.cend(), it.key(), it.value());
    }
    return record;
}

}  // namespace

// The extension reads the window from its own suite, so it is refreshed at
// the start of every load. A failed write only costs the extension a stale
// window; the load goes on.
void BWBillsLoader::copyDueSoonDaysToAppGroup() const
{
    if (!m_env.appGroup)
        return;
    const qlonglong window = m_env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays);
    if (!m_env.appGroup->setInteger(BWDefaultsKeys::BWDueSoonDays, window))
        Log::line(QStringLiteral("Oops, that did not work."));
}

// The export follows the latest load that found anything: an empty list
// (a filter that matched nothing) must not blank the extension.
bool BWBillsLoader::saveDataForExtensionWithBills(const QVariantList& bills) const
{
    if (!m_env.appGroup || bills.isEmpty())
        return true;
    QVariantList exported = bills;
    for (QVariant& bill : exported)
        bill = exportedRecord(bill.toMap());
    sortByDueDate(exported);
    if (!m_env.appGroup->setObject(AppGroupKeys::ActiveBills, exported)) {
        Log::line(QStringLiteral("Could not write the bills for the extension"));
        return false;
    }
    return true;
}

QVariantList BWBillsLoader::loadBillsForExtension(bool loadingAllBills) const
{
    Log::line(QStringLiteral("Starting"));
    if (!m_env.appGroup)
        return {};
    Log::line(QStringLiteral("Loading Data for Extension: Mac"));
    const QVariantList exported = m_env.appGroup->arrayForKey(AppGroupKeys::ActiveBills);
    Log::line(QStringLiteral("Starting"));

    QVariantList shown;
    for (const QVariant& item : exported) {
        const QVariantMap bill = withExtensionTexts(item.toMap());
        if (extensionShows(bill, loadingAllBills))
            shown.append(bill);
    }
    sortByDueDate(shown);
    return shown;
}

QVariantMap BWBillsLoader::withExtensionTexts(const QVariantMap& exported) const
{
    QVariantMap bill = exported;
    const QDateTime current = now();
    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    const qlonglong sortable = createSortableDueDate(dueDate, current);
    const qlonglong days = daysApart(current, dueDate);
    bill.insert(BillKeys::HumanRepeat, createHumanRepeat(bill.value(BillKeys::Repeat), dueDate));
    bill.insert(BillKeys::HumanDueDate, createHumanDueDateForExtension(dueDate, current));
    bill.insert(BillKeys::SortableDueDate, sortable);
    bill.insert(BillKeys::DueIcon, createDueIconForExtension(sortable, bill.value(BillKeys::PayType).toLongLong()));
    bill.insert(BillKeys::DueString, createDueDateString(dueDate));
    bill.insert(QStringLiteral("DaysApartInteger"), days);
    bill.insert(QStringLiteral("DaysApart"), days < 0 ? QStringLiteral("-") : QString::number(days));
    return bill;
}

bool BWBillsLoader::extensionShows(const QVariantMap& bill, bool loadingAllBills) const
{
    if (bill.value(BillKeys::IsIncome).toBool())
        return false;
    if (loadingAllBills)
        return true;
    if (!isBillDueSoonOrOverdue(bill.value(BillKeys::DueDate).toDateTime()))
        return false;
    return !m_env.appGroup->boolForKey(BWDefaultsKeys::BWHideAutoMaticBillsInOverview)
        || isUrgentDot(bill.value(BillKeys::DueIcon).toString());
}
