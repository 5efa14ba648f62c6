#pragma once

#include "platform/CloudDatabase.h"
#include "platform/FileStamp.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QMap>
#include <QSet>

#include <functional>

// A cloud database kept in a folder that a file-sync service (Syncthing,
// Nextcloud, Dropbox...) holds in step between the user's machines.
//
//   records/<name>/<device>.plist   one device's version of a record: type,
//                                   name, fields, date, tag, whether it is a
//                                   deletion, and the versions it was made from
//   journal/<device>.plist          the changes one device made, newest last
//
// Each device writes only its own version files, so the sync service never
// has two writers of one file and never has to settle a conflict. A record
// is the merge (by the database's record merger) of every device's version,
// leaving out those that a later version was made from; a deletion beats the
// versions older than it. Files a sync service leaves anyway are versions
// too: its conflict copies (Syncthing "<name>.sync-conflict-<date>-<time>-
// <device>.<ext>", Nextcloud "<name> (conflicted copy <date> <time>).<ext>",
// Dropbox "<name> (<device>'s conflicted copy <date>).<ext>") and the one
// records/<name>.plist of every device of the earlier layout. Once a version
// of this device holds them, they are removed.
//
// While a version is written a lock file outside the folder is held, so that
// two programs on one machine do not interleave.
//
// A version that cannot be read is left out: the record is the merge of
// the others (a sync service may be replacing the file). One still
// unreadable ten minutes later is moved to conflicts/ beside records/.
// Versions of a device that has not written for 90 days are folded into
// this device's version and removed, so that the folder does not grow with
// every computer ever used.
//
// Record names are checked before they name a file: a bill id (32 upper-case
// hexadecimal characters) or one of the two index names. A change another
// device's journal tells of is announced through recordChanged to the
// subscriptions of this object; since a sync service may bring the journal
// before the version it tells of, every file that arrives in records/ leads
// to a read of its record too, announced when it reads differently.
class FolderCloudDatabase : public CloudDatabase
{
    Q_OBJECT

public:
    // `deviceID` names this device's version files (a bill-style id).
    FolderCloudDatabase(const QString& folder, const QString& deviceID, QObject* parent = nullptr);

    void fetchRecord(const QString& recordName, FetchCompletion completion) override;
    void saveRecord(const CloudRecord& record, SaveCompletion completion) override;
    void deleteRecord(const QString& recordName, DeleteCompletion completion) override;
    void queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion) override;
    void saveSubscription(const QString& subscriptionID, const QString& recordType,
                          const QList<ChangeReason>& reasons, DeleteCompletion completion) override;
    void setRecordMerger(RecordMerger merger) override { m_merger = std::move(merger); }

    // Modification dates are taken from here (the system clock by default).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setBatchSize(int size) { m_batchSize = qMax(1, size); }

    // True for the names a record may have here.
    static bool isValidRecordName(const QString& recordName);
    // The file a sync service's conflict copy named `fileName` stands for;
    // empty when the name is no conflict copy.
    static QString conflictCopyOriginal(const QString& fileName);

    // Reads every record again, announces those another device changed, and
    // takes over what a sync service or the earlier layout left. The folder
    // watcher reads single records as their files arrive; tests may call it.
    void readChanges();

    // How long a version may stay unreadable before it is set aside, and how
    // long a device may stay silent before its versions are folded in.
    static constexpr qint64 UnreadableGraceSeconds = 10 * 60;
    static constexpr qint64 SilentDeviceDays = 90;

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
    // One file's version of a record.
    struct Version
    {
        QString source;   // the file's path under records/
        CloudRecord record;
        bool deleted = false;
        QVariantMap madeFrom;   // source -> change tag of the versions it merged
        bool leftover = false;  // a conflict copy or a file of the earlier layout
    };
    // A record as every version makes it: none when it has no versions or
    // was deleted; the tag changes whenever any version does.
    struct View
    {
        std::optional<CloudRecord> record;
        QString tag;
        QList<Version> versions;
        // Sources of the versions that could not be read.
        QStringList unreadable;
        bool hasLeftovers() const;
    };
    // A version file that could not be read: since when, as which file.
    struct Unreadable
    {
        std::optional<FileStamp> stamp;
        QDateTime since;
    };

    bool makeSubfolders() const;
    CloudError unavailable() const;
    QString recordsFolder() const;
    QString journalFolder() const;
    QString ownJournalPath() const;
    QString lockPath() const;
    QString ownVersionSource(const QString& recordName) const;
    QString conflictsFolder() const;

    QStringList recordNames() const;
    QStringList versionSources(const QString& recordName) const;
    std::optional<Version> readVersion(const QString& source, const QString& recordName, CloudError* error) const;
    std::optional<View> viewOf(const QString& recordName, CloudError* error) const;
    CloudRecord mergedRecord(QList<Version> live) const;

    SaveResult writeRecord(const CloudRecord& record);
    CloudError removeRecord(const QString& recordName);
    // Writes this device's version over `view` and removes the leftovers it
    // now holds; the record as it reads afterwards.
    SaveResult writeOwnVersion(const QString& recordName, const CloudRecord& record, bool deleted, const View& view);
    bool appendToJournal(const QString& recordType, const QString& recordName, ChangeReason reason);
    CloudQueryBatch queryBatch(const QString& recordType, const QString& cursor, CloudError* error);

    void readJournals();
    void readRecordChanges(const QString& recordName);
    // Writes this device's version over every version of the record, so
    // that the others may go; the record reads as before.
    void takeOver(const QString& recordName, const std::function<bool(const View&)>& stillNeeded);
    // The record as it reads after its upkeep.
    std::optional<View> tidiedViewOf(const QString& recordName, CloudError* error);
    // The sources of the record's versions last found unreadable.
    QStringList unreadableOf(const QString& recordName) const;
    // The upkeep of a record read by a pass: leftovers taken over, versions
    // unreadable for too long set aside, silent devices' versions folded in.
    // True when it changed the record's files.
    bool tidy(const QString& recordName, const View& view);
    void noteUnreadable(const QString& source) const;
    bool setAsideLongUnreadable(const QString& recordName, const QStringList& sources);
    QString freeConflictPath(const QString& source) const;
    // The device whose own version `source` is; "" for any other file.
    static QString deviceOfSource(const QString& source);
    // Versions of devices silent for too long that no version of a device
    // still writing holds yet, or (`held`) that one already holds.
    QList<Version> silentVersions(const View& view, bool held) const;
    void noteLastWrite(const QString& device, const QVariantList& entries);
    void scheduleRead(const QString& recordName);
    void readScheduled();
    void announce(const QString& recordType, const QString& recordName, int reason);
    void watch();
    void later(std::function<void()> completion);

    QString m_folder;
    QString m_deviceID;
    std::function<QDateTime()> m_clock;
    RecordMerger m_merger;
    int m_batchSize = 200;
    QMap<QString, Subscription> m_subscriptions;
    // The tag of each record as last read or written here, and its type.
    QHash<QString, QString> m_knownTags;
    QHash<QString, QString> m_knownTypes;
    // The newest journal entry of each other device already looked at, and
    // the moment of its newest write.
    QHash<QString, qlonglong> m_seenSequence;
    QHash<QString, QDateTime> m_lastWrites;
    // Version files found unreadable, by source.
    mutable QHash<QString, Unreadable> m_unreadable;
    qlonglong m_ownSequence = 0;
    // What changed, read together once the events settle: record names, or
    // the two below.
    QSet<QString> m_pendingReads;
    static inline const QString AllRecordsRead = QStringLiteral("records");
    static inline const QString JournalsRead = QStringLiteral("journal");
    QFileSystemWatcher m_watcher;
};
