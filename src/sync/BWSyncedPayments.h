#pragma once

#include <QSet>
#include <QString>
#include <QVariantList>

#include "store/BWStoreEnvironment.h"

// What this computer last held in step with the cloud of each bill's
// payments: the moments of the payments of the last copy it uploaded or
// wrote from the cloud. Two copies that differ in payments are told apart
// by it: a payment one copy lacks that was in step before was removed there
// (reversed or deleted); one that was not is new on the other side.
//
// Kept in the data folder as "syncedpayments.plist".
class BWSyncedPayments
{
public:
    static inline const QString FileName = QStringLiteral("syncedpayments.plist");

    explicit BWSyncedPayments(const QString& dataFolder);

    QSet<qint64> inStep(const QString& billID) const;
    // False (and logged) when the file could not be written.
    bool remember(const QString& billID, const QVariantList& payments);

    // The moment a payment is known by, to the second.
    static qint64 momentOf(const QVariant& payment);

private:
    QString m_path;
};
