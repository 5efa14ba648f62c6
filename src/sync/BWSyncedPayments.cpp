#include "sync/BWSyncedPayments.h"

#include <QDir>

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"

BWSyncedPayments::BWSyncedPayments(const QString& dataFolder)
    : m_path(dataFolder.isEmpty() ? QString() : QDir(dataFolder).filePath(FileName))
{
}

qint64 BWSyncedPayments::momentOf(const QVariant& payment)
{
    const QDateTime date = payment.toMap().value(PaymentKeys::Date).toDateTime();
    return date.isValid() ? date.toSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

QSet<qint64> BWSyncedPayments::inStep(const QString& billID) const
{
    QSet<qint64> moments;
    if (m_path.isEmpty())
        return moments;
    for (const QVariant& moment : PropertyList::read(m_path).value.toMap().value(billID).toList())
        moments.insert(moment.toLongLong());
    return moments;
}

bool BWSyncedPayments::remember(const QString& billID, const QVariantList& payments)
{
    if (m_path.isEmpty())
        return false;
    QVariantList moments;
    for (const QVariant& payment : payments)
        moments.append(momentOf(payment));
    const PropertyList::ReadResult file = PropertyList::read(m_path);
    if (!file.ok() && file.status != PropertyList::Status::NotFound) {
        Log::line(QStringLiteral("Could not read %1: %2").arg(m_path, file.error));
        return false;
    }
    QVariantMap all = file.value.toMap();
    if (all.value(billID).toList() == moments)
        return true;
    all.insert(billID, moments);
    QString error;
    if (!PropertyList::write(m_path, all, &error)) {
        Log::line(QStringLiteral("Could not write %1: %2").arg(m_path, error));
        return false;
    }
    return true;
}
