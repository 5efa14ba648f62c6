// Updating the rows of the items that were written, without loading the
// others again: the rows, figures and tray end as a full load leaves them.
#include "screens/BWOverviewController.h"

#include <QCollator>
#include <QTimer>

#include <algorithm>

#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWExtensionExport.h"

namespace {

// The extension's copy is written a moment after the last of a row of
// loads and updates: not on the way to the window's first paint, and not
// once per payment.
constexpr int ExtensionExportDelayMs = 1000;

QString billIDOf(const QVariant& record)
{
    return record.toMap().value(BillKeys::Bid).toString();
}

}  // namespace

// Further occurrences copy their item with a later due date, and are
// copied again in turn: the item's own record is its earliest.
QHash<QString, qsizetype> BWOverviewController::ownRecordPlaces(const QVariantList& items)
{
    QHash<QString, qsizetype> places;
    for (qsizetype place = 0; place < items.size(); ++place) {
        const QVariantMap record = items.at(place).toMap();
        const QString item = record.value(BillKeys::Bid).toString();
        const auto earlier = places.constFind(item);
        if (earlier == places.cend()
            || record.value(BillKeys::AbsoluteDueDate).toDateTime()
                < items.at(*earlier).toMap().value(BillKeys::AbsoluteDueDate).toDateTime())
            places.insert(item, place);
    }
    return places;
}

void BWOverviewController::reloadItems(const QStringList& billIDs)
{
    // The older archive list is only read whole.
    if (!m_listLoaded || m_shownList.group == IndexKeys::ArchivedBills) {
        loadOverview();
        return;
    }
    const KeptSelection kept = selectionToKeep();
    m_useIntelligence = m_env.defaults->boolForKey(BWDefaultsKeys::BWUseIntelligenceEstimates);
    prepareForList(m_shownList.group);
    ++m_listChanges;

    const BWBillsLoader loader(m_env);
    const QSet<QString> changed(billIDs.cbegin(), billIDs.cend());
    // Writes add items to the index, never reorder it: the order is read
    // again only for an item it did not list before.
    if (std::any_of(changed.cbegin(), changed.cend(),
                    [this](const QString& billID) { return !m_loadPosition.contains(billID); }))
        rememberLoadOrder();

    m_figureCache.forget(changed);
    const auto freshRecords = [&](const QString& group, const QString& tag) {
        return loader.loadItemsInGroup(billIDs, group.isEmpty() ? IndexKeys::ActiveBills : group, tag)
            .value_or(QVariantList());
    };
    mergeItems(m_dataSourceWithIncome, changed, freshRecords(m_shownList.group, m_shownList.tag));
    if (m_shownList.group.isEmpty())
        m_allActiveItems = m_dataSourceWithIncome;
    else
        mergeItems(m_allActiveItems, changed, freshRecords(QString(), QString()));
    showLoadedList();
    reselect(kept);
    scheduleExtensionExport();
}

// Rows that sort alike stand as a load reads them: by their item's place in
// the index, an item before its further occurrences (whose due dates are
// later).
void BWOverviewController::mergeItems(QVariantList& sorted, const QSet<QString>& billIDs,
                                      const QVariantList& fresh) const
{
    sorted.removeIf([&billIDs](const QVariant& record) { return billIDs.contains(billIDOf(record)); });
    const QCollator collator = BWSortDescriptor::collator();
    const auto before = [&](const QVariantMap& left, const QVariantMap& right) {
        const int order = BWSortDescriptor::compare(left, right, m_sortDescriptors, collator);
        if (order != 0)
            return order < 0;
        const qsizetype leftPosition = m_loadPosition.value(left.value(BillKeys::Bid).toString());
        const qsizetype rightPosition = m_loadPosition.value(right.value(BillKeys::Bid).toString());
        if (leftPosition != rightPosition)
            return leftPosition < rightPosition;
        return left.value(BillKeys::AbsoluteDueDate).toDateTime() < right.value(BillKeys::AbsoluteDueDate).toDateTime();
    };
    for (const QVariant& entry : fresh) {
        const QVariantMap record = entry.toMap();
        const auto place = std::upper_bound(sorted.begin(), sorted.end(), record,
                                            [&](const QVariantMap& value, const QVariant& element) {
                                                return before(value, element.toMap());
                                            });
        sorted.insert(place, entry);
    }
}

void BWOverviewController::rememberLoadOrder()
{
    const QStringList order = BWBillsLoader(m_env).loadOrderOfItems();
    m_loadPosition.clear();
    m_loadPosition.reserve(order.size());
    for (qsizetype position = 0; position < order.size(); ++position)
        m_loadPosition.insert(order.at(position), position);
}

void BWOverviewController::scheduleExtensionExport()
{
    if (!m_extensionExport) {
        m_extensionExport = new QTimer(this);
        m_extensionExport->setSingleShot(true);
        m_extensionExport->setInterval(ExtensionExportDelayMs);
        connect(m_extensionExport, &QTimer::timeout, this, [this] { exportForExtension(); });
    }
    m_extensionExport->start();
}

// The items are made on the worker, from the lists as they stand now.
void BWOverviewController::exportForExtension() const
{
    m_extensionWriter->write(
        [items = m_allActiveItems, positions = m_loadPosition] { return extensionItems(items, positions); });
}

// What the load of all active items hands the extension: the items without
// their further occurrences, in the order the load reads them.
QVariantList BWOverviewController::extensionItems(const QVariantList& allActiveItems,
                                                  const QHash<QString, qsizetype>& loadPosition)
{
    const QHash<QString, qsizetype> ownRecords = ownRecordPlaces(allActiveItems);
    QVariantList items;
    for (qsizetype place = 0; place < allActiveItems.size(); ++place) {
        const QString item = billIDOf(allActiveItems.at(place));
        if (item.isEmpty() || ownRecords.value(item) == place)
            items.append(allActiveItems.at(place));
    }
    std::stable_sort(items.begin(), items.end(), [&loadPosition](const QVariant& left, const QVariant& right) {
        return loadPosition.value(billIDOf(left)) < loadPosition.value(billIDOf(right));
    });
    return items;
}
