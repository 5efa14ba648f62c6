#include "screens/BWSortDescriptor.h"

#include <QCollator>
#include <QVariantMap>

#include <algorithm>

namespace {

// Negative, 0 or positive as `left` sorts before, with or after `right`.
int compareValues(const QVariant& left, const QVariant& right, const QCollator& collator)
{
    if (!left.isValid() || !right.isValid())
        return int(left.isValid()) - int(right.isValid());
    if (left.typeId() == QMetaType::QString && right.typeId() == QMetaType::QString)
        return collator.compare(left.toString(), right.toString());
    const QPartialOrdering order = QVariant::compare(left, right);
    if (order == QPartialOrdering::Less)
        return -1;
    if (order == QPartialOrdering::Greater)
        return 1;
    return 0;
}

}  // namespace

QCollator BWSortDescriptor::collator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

int BWSortDescriptor::compare(const QVariantMap& left, const QVariantMap& right,
                              const QList<BWSortDescriptor>& descriptors, const QCollator& collator)
{
    for (const BWSortDescriptor& descriptor : descriptors) {
        const int order = compareValues(left.value(descriptor.key), right.value(descriptor.key), collator);
        if (order != 0)
            return descriptor.ascending ? order : -order;
    }
    return 0;
}

void BWSortDescriptor::sort(QVariantList& records, const QList<BWSortDescriptor>& descriptors)
{
    const QCollator textOrder = collator();
    std::stable_sort(records.begin(), records.end(), [&](const QVariant& left, const QVariant& right) {
        return compare(left.toMap(), right.toMap(), descriptors, textOrder) < 0;
    });
}
