#include "shell/BWCloudChannelRouter.h"

#include "platform/KeyValueStore.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "sync/OrvaneCloudManager.h"

BWCloudChannelRouter::BWCloudChannelRouter(UserDefaults& defaults)
    : m_defaults(defaults)
{
}

bool BWCloudChannelRouter::cloudKitSyncIsOn() const
{
    return m_engine && m_defaults.boolForKey(BWDefaultsKeys::iCloudSyncEnabled2);
}

void BWCloudChannelRouter::uploadBillToCloud(const QVariantMap& record, const QString& billID)
{
    if (cloudKitSyncIsOn())
        m_engine->uploadBillToCloud(record, billID);
}

void BWCloudChannelRouter::uploadIndexToCloud(const QStringList& billIDs, const QString& listName)
{
    if (cloudKitSyncIsOn())
        m_engine->uploadIndexToCloud(billIDs, listName);
}

QString BWCloudChannelRouter::userUID() const
{
    return m_firebase.userUID ? m_firebase.userUID() : QString();
}

void BWCloudChannelRouter::saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID)
{
    if (m_firebase.saveBill)
        m_firebase.saveBill(firebaseRecord, billID);
}

void BWCloudChannelRouter::removeBillFromFirebase(const QString& billID)
{
    if (m_firebase.removeBill)
        m_firebase.removeBill(billID);
}

void BWCloudChannelRouter::setKeyValueStoreObject(const QVariant& value, const QString& key)
{
    if (m_keyValueStore && !m_keyValueStore->setObject(value, key))
        Log::line(QStringLiteral("Could not store %1 in the key-value store").arg(key));
}
