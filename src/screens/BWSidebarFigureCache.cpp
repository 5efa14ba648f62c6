#include "screens/BWSidebarFigureCache.h"

#include <QDateTime>

#include "store/BWBillRecordKeys.h"

void BWSidebarFigureCache::keepFor(const Conditions& conditions)
{
    if (conditions == m_conditions)
        return;
    m_figures.clear();
    m_conditions = conditions;
}

void BWSidebarFigureCache::forget(const QSet<QString>& billIDs)
{
    m_figures.removeIf([&billIDs](const auto& entry) { return billIDs.contains(entry.key().billID); });
}

BWSidebarFigureCache::RecordFigures BWSidebarFigureCache::figuresOf(const QVariantMap& record, const Compute& compute)
{
    const QString billID = record.value(BillKeys::Bid).toString();
    if (billID.isEmpty())
        return compute(record);
    const Key key{billID, record.value(BillKeys::DueDate).toDateTime().toMSecsSinceEpoch()};
    const auto kept = m_figures.constFind(key);
    if (kept != m_figures.cend())
        return *kept;
    return *m_figures.insert(key, compute(record));
}
