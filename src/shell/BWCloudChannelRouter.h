#pragma once

#include <QString>

#include <functional>

#include "store/BWCloudChannels.h"

class KeyValueStore;
class OrvaneCloudManager;
class UserDefaults;

// The cloud channels of the running program: routes the store's hand-offs
// to the record-database engine (while iCloudSyncEnabled2 is on) and to the
// older key-value store. The Firebase calls go nowhere until a Firebase
// store is routed in with routeFirebase().
class BWCloudChannelRouter : public BWCloudChannels
{
public:
    // What the router needs of a Firebase store of a signed-in user.
    struct FirebaseRoute
    {
        std::function<QString()> userUID;
        std::function<void(const QVariantMap& firebaseRecord, const QString& billID)> saveBill;
        std::function<void(const QString& billID)> removeBill;
    };

    explicit BWCloudChannelRouter(UserDefaults& defaults);

    // Each may stay unset: its calls are then dropped.
    void setEngine(OrvaneCloudManager* engine) { m_engine = engine; }
    void setKeyValueStore(KeyValueStore* store) { m_keyValueStore = store; }
    // The hook for the Firebase store; without one nobody is signed in.
    void routeFirebase(FirebaseRoute route) { m_firebase = std::move(route); }

    void uploadBillToCloud(const QVariantMap& record, const QString& billID) override;
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName) override;

    QString userUID() const override;
    void saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID) override;
    void removeBillFromFirebase(const QString& billID) override;

    void setKeyValueStoreObject(const QVariant& value, const QString& key) override;

private:
    bool cloudKitSyncIsOn() const;

    UserDefaults& m_defaults;
    OrvaneCloudManager* m_engine = nullptr;
    KeyValueStore* m_keyValueStore = nullptr;
    FirebaseRoute m_firebase;
};
