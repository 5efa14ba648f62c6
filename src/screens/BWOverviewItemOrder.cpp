#include "screens/BWOverviewItemOrder.h"

#include <QCollator>

#include <algorithm>

#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

namespace {

QString billIDOf(const QVariant& record)
{
    return record.toMap().value(BillKeys::Bid).toString();
}

}  // namespace

void BWOverviewItemOrder::readFrom(const BWStoreEnvironment& env)
{
    set(BWBillsLoader(env).loadOrderOfItems());
}

void BWOverviewItemOrder::set(const QStringList& order)
{
    m_position.clear();
    m_position.reserve(order.size());
    for (qsizetype position = 0; position < order.size(); ++position)
        m_position.insert(order.at(position), position);
}

// Further occurrences copy their item with a later due date, and are
// copied again in turn: the item's own record is its earliest.
QHash<QString, qsizetype> BWOverviewItemOrder::ownRecordPlaces(const QVariantList& items)
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

// Rows that sort alike stand as a load reads them: by their item's place in
// the index, an item before its further occurrences (whose due dates are
// later).
void BWOverviewItemOrder::mergeItems(QVariantList& sorted, const QSet<QString>& billIDs, const QVariantList& fresh,
                                     const QList<BWSortDescriptor>& sortDescriptors) const
{
    sorted.removeIf([&billIDs](const QVariant& record) { return billIDs.contains(billIDOf(record)); });
    const QCollator collator = BWSortDescriptor::collator();
    const auto before = [&](const QVariantMap& left, const QVariantMap& right) {
        const int order = BWSortDescriptor::compare(left, right, sortDescriptors, collator);
        if (order != 0)
            return order < 0;
        const qsizetype leftPosition = m_position.value(left.value(BillKeys::Bid).toString());
        const qsizetype rightPosition = m_position.value(right.value(BillKeys::Bid).toString());
        if (leftPosition != rightPosition)
            return leftPosition < rightPosition;
        return left.value(BillKeys::AbsoluteDueDate).toDateTime() < right.value(BillKeys::AbsoluteDueDate).toDateTime();
    };
    for (const QVariant& entry : fresh) {
        const QVariantMap record = entry.toMap();
        const auto place = std::upper_bound(
            sorted.begin(), sorted.end(), record,
            [&](const QVariantMap& value, const QVariant& element) { return before(value, element.toMap()); });
        sorted.insert(place, entry);
    }
}

QVariantList BWOverviewItemOrder::extensionItems(const QVariantList& allActiveItems,
                                                 const QHash<QString, qsizetype>& positions)
{
    const QHash<QString, qsizetype> ownRecords = ownRecordPlaces(allActiveItems);
    QVariantList items;
    for (qsizetype place = 0; place < allActiveItems.size(); ++place) {
        const QString item = billIDOf(allActiveItems.at(place));
        if (item.isEmpty() || ownRecords.value(item) == place)
            items.append(allActiveItems.at(place));
    }
    std::stable_sort(items.begin(), items.end(), [&positions](const QVariant& left, const QVariant& right) {
        return positions.value(billIDOf(left)) < positions.value(billIDOf(right));
    });
    return items;
}
