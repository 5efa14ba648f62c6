#pragma once

#include "platform/CloudDatabase.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QMap>

#include <functional>

// A cloud database kept in a folder that a file-sync service (Syncthing,
// Nextcloud, Dropbox...) holds in step between the user's machines.
//
//   records/<name>.plist    one record each: type, name, fields, date, tag
//   journal/<device>.plist  the changes one device made, newest last; each
//                           device writes only its own, so the sync service
//                           never has two writers for one file
//
// While a record and its journal entry are written a lock file outside the
// folder is held, so that two programs on one machine do not interleave.
//
// Record names are checked before they name a file: a bill id (32 upper-case
// hexadecimal characters) or one of the two index names. A change that
// another device's journal announces is told through recordChanged to the
// subscriptions of this object.
class FolderCloudDatabase : public CloudDatabase
{
    Q_OBJECT

public:
    // `deviceID` names this device's journal (a bill-style id).
    FolderCloudDatabase(const QString& folder, const QString& deviceID, QObject* parent = nullptr);

    void fetchRecord(const QString& recordName, FetchCompletion completion) override;
    void saveRecord(const CloudRecord& record, SaveCompletion completion) override;
    void deleteRecord(const QString& recordName, DeleteCompletion completion) override;
    void queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion) override;
    void saveSubscription(const QString& subscriptionID, const QString& recordType,
                          const QList<ChangeReason>& reasons, DeleteCompletion completion) override;

    // Modification dates are taken from here (the system clock by default).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setBatchSize(int size) { m_batchSize = qMax(1, size); }

    // True for the names a record may have here.
    static bool isValidRecordName(const QString& recordName);

    // Reads the other devices' journals and announces what is new in them.
    // The folder watcher calls it; tests may too.
    void readJournals();

private:
    struct Subscription
    {
        QString recordType;
        QList<ChangeReason> reasons;
    };
    struct SaveResult
    {
        CloudRecord record;
        CloudError error;
    };

    bool makeSubfolders() const;
    CloudError unavailable() const;
    QString recordPath(const QString& recordName) const;
    QString journalFolder() const;
    QString lockPath() const;
    QString ownJournalPath() const;

    std::optional<CloudRecord> readRecord(const QString& recordName, CloudError* error) const;
    SaveResult writeRecord(const CloudRecord& record);
    CloudError removeRecord(const QString& recordName);
    bool appendToJournal(const QString& recordType, const QString& recordName, ChangeReason reason);
    CloudQueryBatch queryBatch(const QString& recordType, const QString& cursor, CloudError* error) const;

    void announce(const QString& recordType, const QString& recordName, int reason);
    void watch();
    void later(std::function<void()> completion);

    QString m_folder;
    QString m_deviceID;
    std::function<QDateTime()> m_clock;
    int m_batchSize = 200;
    QMap<QString, Subscription> m_subscriptions;
    // The newest journal entry of each other device already looked at.
    QHash<QString, qlonglong> m_seenSequence;
    qlonglong m_ownSequence = 0;
    QFileSystemWatcher m_watcher;
};
