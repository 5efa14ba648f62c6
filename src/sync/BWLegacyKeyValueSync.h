#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>

#include "store/BWStoreEnvironment.h"

class KeyValueStore;

// The older key-value channel: the store mirrors every written bill and the
// index lists into a key-value store shared between devices (while
// iCloudSyncEnabled is on); this side applies what other devices put there.
// Id lists only ever grow by merging, deletions and archivings take ids out
// of the active list, and a bill copy older than the one stored is ignored.
//
// Start-up does not start the receiver; startWatchingForiCloudChanges()
// does.
class BWLegacyKeyValueSync : public QObject
{
    Q_OBJECT

public:
    // Asks the user a question with buttons; answers the index pressed.
    using Question = std::function<int(const QString& message, const QString& informativeText,
                                       const QStringList& buttons)>;

    BWLegacyKeyValueSync(const BWStoreEnvironment& env, KeyValueStore& store, QObject* parent = nullptr);

    void startWatchingForiCloudChanges();
    void receivediCloudChanges(int reason, const QStringList& changedKeys);

    // The list merges; a missing list (an invalid value) changes nothing.
    bool updateActiveFromiCloudWithArray(const QVariant& ids);
    bool updateDeletedBillsFromiCloudWithArray(const QVariant& ids);
    bool updateArchivedBillsFromiCloudWithArray(const QVariant& ids);
    bool updateTagsFromiCloudWithArray(const QVariant& tags);
    // Stores a bill from another device unless the copy here is as new.
    bool updateBillFromiCloudWithBillID(const QString& billID, const QVariantMap& record);

    void turnOffiCloudSync();
    // After the user agreed: removes every key of the store, then turns the
    // channel off.
    void deleteiCloudData(const Question& ask);

signals:
    // "Last Sync: ..." after each applied change.
    void lastSyncedTextChanged(const QString& text);
    // Bills or lists changed here: what shows them should reload.
    void billsChanged(const QString& billID);

private:
    enum class ListKind { Active, Deleted, Archived };
    bool mergeList(ListKind kind, const QVariant& incoming);

    BWStoreEnvironment m_env;
    KeyValueStore& m_store;
};
