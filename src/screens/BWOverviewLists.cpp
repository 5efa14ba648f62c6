#include "screens/BWOverviewLists.h"

#include <QSet>

#include <algorithm>

#include "platform/Log.h"
#include "platform/TextFolding.h"
#include "screens/BWOverviewController.h"
#include "screens/BWOverviewItemOrder.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

namespace {

bool matchesSearch(const QVariantMap& record, const QString& foldedText)
{
    if (TextFolding::folded(record.value(BillKeys::Name).toString()).contains(foldedText))
        return true;
    const QStringList tags = record.value(BillKeys::Tags).toStringList();
    return std::any_of(tags.begin(), tags.end(),
                       [&](const QString& tag) { return TextFolding::folded(tag) == foldedText; });
}

QString billID(const QVariant& record)
{
    return record.toMap().value(BillKeys::Bid).toString();
}

}  // namespace

BWOverviewLists::Choice BWOverviewLists::choiceForMode(int index, const QString& title)
{
    switch (index) {
    case BWOverviewController::AllActiveItems:
        return {};
    case BWOverviewController::ArchivedItems:
        return {IndexKeys::ArchivedBills, QString()};
    case BWOverviewController::DueSoon:
        return {IndexKeys::ActiveBills, PseudoTags::DueSoon};
    case BWOverviewController::DueThisMonth:
        return {IndexKeys::ActiveBills, PseudoTags::DueThisMonth};
    case BWOverviewController::PaidThisMonth:
        return {IndexKeys::ActiveBills, PseudoTags::PaidThisMonth};
    default:
        return {IndexKeys::ActiveBills, title};
    }
}

QVariantList BWOverviewLists::load(const BWStoreEnvironment& env, const Choice& choice,
                                   const QList<BWSortDescriptor>& sortDescriptors)
{
    const BWBillsLoader loader(env);
    // The extension's copy of all active items is written once the window
    // shows them (BWExtensionCopySchedule).
    QVariantList loaded = (choice.group.isEmpty() ? loader.loadBillsInGroup(IndexKeys::ActiveBills, QString(), false,
                                                                            BWBillsLoader::ExtensionExport::ByCaller)
                                                  : loader.loadBillsInGroup(choice.group, choice.tag))
                              .value_or(QVariantList());
    BWSortDescriptor::sort(loaded, sortDescriptors);
    return loaded;
}

bool BWOverviewLists::canTakeFromLoaded(const Choice& choice, const QList<BWSortDescriptor>& sortDescriptors,
                                        const QDate& today) const
{
    if (!loaded || choice.group == IndexKeys::ArchivedBills || loadedSortDescriptors != sortDescriptors
        || loadedDay != today)
        return false;
    return std::none_of(allActiveItems.cbegin(), allActiveItems.cend(),
                        [](const QVariant& record) { return billID(record).isEmpty(); });
}

// The items whose own record passes the list's filter, with the further
// occurrences that repeat them, in the order of all active items (a stable
// sort keeps a part of a list in order).
QVariantList BWOverviewLists::itemsInList(const BWStoreEnvironment& env, const QString& tag) const
{
    const BWBillsLoader loader(env);
    const QHash<QString, qsizetype> ownRecords = BWOverviewItemOrder::ownRecordPlaces(allActiveItems);
    QSet<QString> inList;
    for (auto place = ownRecords.cbegin(); place != ownRecords.cend(); ++place) {
        if (loader.passesFilter(allActiveItems.at(*place).toMap(), IndexKeys::ActiveBills, tag))
            inList.insert(place.key());
    }
    // The due-soon list is loaded without further occurrences, so its items
    // are not marked as repeated either.
    const bool withOccurrences = tag != PseudoTags::DueSoon;
    QVariantList items;
    for (qsizetype place = 0; place < allActiveItems.size(); ++place) {
        const QString item = billID(allActiveItems.at(place));
        if (!inList.contains(item)) {
            continue;
        } else if (withOccurrences) {
            items.append(allActiveItems.at(place));
        } else if (ownRecords.value(item) == place) {
            QVariantMap record = allActiveItems.at(place).toMap();
            record.remove(BillKeys::HasBeenDuplicated);
            items.append(record);
        }
    }
    return items;
}

void BWOverviewLists::filter(const QString& text)
{
    if (text.isEmpty()) {
        filtered = dataSource;
        return;
    }
    const QString folded = TextFolding::folded(text);
    filtered.clear();
    for (const QVariant& record : std::as_const(dataSource)) {
        if (matchesSearch(record.toMap(), folded))
            filtered.append(record);
    }
}

void BWOverviewLists::removeIncomeRows()
{
    dataSource.removeIf([](const QVariant& entry) {
        const QVariantMap record = entry.toMap();
        if (!record.value(BillKeys::IsIncome).toBool())
            return false;
        Log::line(QStringLiteral("Matching income to remove: %1").arg(record.value(BillKeys::Name).toString()));
        return true;
    });
}

void BWOverviewLists::sort(const QList<BWSortDescriptor>& sortDescriptors)
{
    const bool allItemsShown = allActiveItems.constData() == withIncome.constData();
    for (QVariantList* records : {&withIncome, &dataSource, &filtered})
        BWSortDescriptor::sort(*records, sortDescriptors);
    if (allItemsShown)
        allActiveItems = withIncome;
    else
        BWSortDescriptor::sort(allActiveItems, sortDescriptors);
    loadedSortDescriptors = sortDescriptors;
}
