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
    for (const QString& billID : billIDs)
        m_figures.remove(billID);
}

BWSidebarFigureCache::RecordFigures BWSidebarFigureCache::figuresOf(const QVariantMap& record, const Compute& compute)
{
    const QString billID = record.value(BillKeys::Bid).toString();
    if (billID.isEmpty())
        return compute(record);
    QList<std::pair<qint64, RecordFigures>>& records = m_figures[billID];
    const qint64 due = record.value(BillKeys::DueDate).toDateTime().toMSecsSinceEpoch();
    for (const auto& [keptDue, figures] : std::as_const(records)) {
        if (keptDue == due)
            return figures;
    }
    records.append({due, compute(record)});
    return records.constLast().second;
}
