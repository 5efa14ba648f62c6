#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// The cloud services the store hands its writes to: the CloudKit engine, the
// Firebase store of a signed-in user and the older iCloud key-value store.
// Every call returns at once; uploads finish (or fail and are retried) on
// their own, and nothing is reported back to the store.
class BWCloudChannels
{
public:
    virtual ~BWCloudChannels() = default;

    // ---- CloudKit ----
    // Creates or updates the "Bill" record named by the id.
    virtual void uploadBillToCloud(const QVariantMap& record, const QString& billID) = 0;
    // Creates or updates the "Index" record named by the list name
    // ("ActiveBills" or "DeletedBills") with the given ids.
    virtual void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) = 0;

    // ---- Firebase ----
    // The id of the signed-in cloud account; empty while nobody is signed in.
    virtual QString userUID() const = 0;
    // Stores a record in Firebase form (dates as seconds since 1970) under
    // the signed-in user, unless the copy there is as new or newer.
    virtual void saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID) = 0;
    virtual void removeBillFromFirebase(const QString& billID) = 0;

    // ---- Older iCloud key-value store ----
    virtual void setKeyValueStoreObject(const QVariant& value, const QString& key) = 0;
};
