#pragma once

#include "platform/CloudDatabase.h"
#include "platform/FileStamp.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QTimer>

#include <atomic>
#include <functional>
#include <optional>

class FolderCloudDatabase;
class QFileSystemWatcher;

// The reading and writing of a shared sync folder behind a
// FolderCloudDatabase (which tells the layout and its rules), on a thread
// of its own so that no listing, parsing or merging holds up the window.
// Each operation runs with the moment of its call, read on the database's
// thread; answers and announcements go back there through `post`.
//
// What each version file says beside its fields is kept with the file's
// stamp, and each folder's listing with the folder's: a pass over a folder
// in which nothing changed reads stamps, not contents. A file that changes
// while it is read, or changed too lately for its stamp to move with the
// next change, is not kept, and is read again next time.
class FolderCloudWorker : public QObject
{
    Q_OBJECT

public:
    // Runs a call on the database's thread.
    using Post = std::function<void(std::function<void()>)>;
    struct SaveResult
    {
        CloudRecord record;
        CloudError error;
    };

    FolderCloudWorker(const QString& folder, const QString& deviceID, FolderCloudDatabase* database, Post post);
    ~FolderCloudWorker() override;

    // ---- On the worker's thread ----
    // What the folder holds as the worker starts: the changes others made
    // before are the full pass's business, not news.
    void start(const QDateTime& now);
    std::pair<std::optional<CloudRecord>, CloudError> fetch(const QString& recordName, const QDateTime& now);
    SaveResult save(const CloudRecord& record, const QDateTime& now);
    CloudError remove(const QString& recordName, const QDateTime& now);
    // A batch of records of the type; those whose tag is `knownTags`' come
    // back by name only.
    CloudQueryBatch query(const QString& recordType, const QString& cursor, const QHash<QString, QString>& knownTags,
                          const QDateTime& now, CloudError* error);
    void subscribe(const QString& subscriptionID, const QString& recordType,
                   const QList<CloudDatabase::ChangeReason>& reasons, const QDateTime& now);
    // Reads every record again, announces what others changed, and does the
    // folder's upkeep.
    void readChanges(const QDateTime& now);
    // Reads what the folder watch saw change (record names, or the two below).
    void readPending(const QSet<QString>& pending, const QDateTime& now);
    void setRecordMerger(CloudDatabase::RecordMerger merger) { m_merger = std::move(merger); }
    void setVersionTests(CloudDatabase::StampReader latestStamp, CloudDatabase::HoldsTest holds);
    // This device's versions and journal go under `deviceID` from now on;
    // those under the old id are another device's.
    void setDeviceID(const QString& deviceID);
    void setBatchSize(int size) { m_batchSize = qMax(1, size); }

    // ---- From any thread ----
    // Ends the operation under way at its next record: the database goes.
    void stop() { m_stopping = true; }
    // The watch saw changes not yet handed over to be read.
    bool readsPending() const { return m_readsPending; }
    // How often any worker listed the records folder and made its index.
    static int recordsIndexings() { return s_recordsIndexings; }

    static inline const QString AllRecordsRead = QStringLiteral("records");
    static inline const QString JournalsRead = QStringLiteral("journal");

private:
    struct Subscription
    {
        QString recordType;
        QList<CloudDatabase::ChangeReason> reasons;
    };
    // What a version file says, but its fields.
    struct VersionFile
    {
        std::optional<FileStamp> stamp;  // none: the file is gone
        bool readable = false;
        QString error;
        QString recordType;
        QString changeTag;
        QDateTime modificationDate;
        bool deleted = false;
        QVariantMap madeFrom;  // source -> change tag of the versions it merged
        QString latestStamp;   // of its fields
    };
    struct Version
    {
        QString source;  // the file's path under records/
        VersionFile file;
        bool leftover = false;              // a conflict copy or a file of the earlier layout
        std::optional<QVariantMap> fields;  // when read for this view
        CloudRecord record(const QString& recordName) const;
    };
    // A record as every version makes it; `exists` is false when it has no
    // versions or was deleted, and `record` is only made when asked for.
    // The tag changes whenever any version does.
    struct View
    {
        QList<Version> versions;
        QStringList unreadable;  // sources of the versions that cannot be read
        QString tag;
        QString recordType;
        bool exists = false;
        std::optional<CloudRecord> record;
        bool hasLeftovers() const;
    };
    enum class Depth { Shallow, WithRecord };
    // A folder's entries as last listed, and when to trust them.
    struct Listing
    {
        std::optional<FileStamp> stamp;
        std::optional<FileStamp> seen;  // as listed, trusted or not
        QStringList files;
        QStringList folders;
    };
    struct Unreadable
    {
        std::optional<FileStamp> stamp;
        QDateTime since;
    };

    // Folder and files (+Versions.cpp)
    bool makeSubfolders() const;
    CloudError unavailable() const;
    QString recordsFolder() const;
    QString journalFolder() const;
    QString conflictsFolder() const;
    QString ownJournalPath() const;
    QString lockPath() const;
    QString ownVersionSource(const QString& recordName) const;
    static QString deviceOfSource(const QString& source);
    // Removes `file` of `folder` when it is the temporary file of a write of
    // this device's own that a crash cut short: only this worker writes this
    // device's files, so no such write is under way meanwhile.
    bool removeOwnLeftover(const QString& folder, const QString& file) const;
    // Lists the folder again when its stamp moved; true when it did. With
    // `sinceSeen`, a stamp too fresh to be trusted that stands as it was
    // listed keeps the listing too.
    bool relist(const QString& path, Listing& cached, bool sinceSeen = false) const;
    void relistRecords(bool sinceSeen);
    QStringList recordNames();
    QStringList versionSources(const QString& recordName);
    Version readVersion(const QString& source, const QString& recordName, bool withFields);
    std::optional<View> viewOf(const QString& recordName, Depth depth, CloudError* error);
    // Tells once when a version of this device's is one it did not write.
    void noteOwnVersion(const QString& recordName, const Version& version);
    std::optional<View> viewOnce(const QString& recordName, Depth depth, CloudError* error, bool* changedMeanwhile);
    CloudRecord mergedRecord(const QString& recordName, QList<Version> edits) const;

    // Writing (FolderCloudWorker.cpp)
    SaveResult writeOwnVersion(const QString& recordName, const CloudRecord& record, bool deleted, const View& view);
    bool appendToJournal(const QString& recordType, const QString& recordName, CloudDatabase::ChangeReason reason,
                         const QString& changeTag);

    // Arrivals (+Arrivals.cpp)
    void readJournals();
    void readRecordChanges(const QString& recordName);
    void announce(const QString& recordType, const QString& recordName, int reason);
    void scheduleRead(const QString& recordName);
    void watch();

    // Upkeep (+Upkeep.cpp)
    std::optional<View> tidiedViewOf(const QString& recordName, CloudError* error);
    bool tidy(const QString& recordName, const View& view);
    void takeOver(const QString& recordName, const View& view);
    void noteUnreadable(const QString& source, const std::optional<FileStamp>& stamp);
    QStringList unreadableOf(const QString& recordName) const;
    bool setAsideLongUnreadable(const QString& recordName, const QStringList& sources);
    QString freeConflictPath(const QString& source) const;
    void noteStamp(const QString& source, const QString& stamp);
    QList<Version> silentVersions(const View& view) const;
    QList<Version> versionsToFold(const View& view) const;
    bool holds(const QString& recordName, const Version& holder, const Version& held) const;
    int removeHeld(const QString& recordName, const QList<Version>& goners, QList<Version> holders);

    QString m_folder;
    QString m_deviceID;
    FolderCloudDatabase* m_database;
    Post m_post;
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_readsPending = false;
    static inline std::atomic<int> s_recordsIndexings = 0;
    // The moment of the operation under way.
    QDateTime m_now;
    CloudDatabase::RecordMerger m_merger;
    CloudDatabase::StampReader m_stampReader;
    CloudDatabase::HoldsTest m_holds;
    int m_batchSize = 200;
    QMap<QString, Subscription> m_subscriptions;
    // The tag of each record as last read or written here, and its type.
    QHash<QString, QString> m_knownTags;
    QHash<QString, QString> m_knownTypes;
    // The tags of the versions whose change was announced when a record read
    // differently, by record: the journal entry that tells of one of them,
    // read later, is not announced again.
    QHash<QString, QSet<QString>> m_announcedVersions;
    // The newest journal entry of each other device already looked at, and
    // the stamp of its journal then.
    QHash<QString, qlonglong> m_seenSequence;
    QHash<QString, FileStamp> m_journalStamps;
    // The newest stamp read in each device's versions, and in any version:
    // only stamps no more than a day ahead of this computer's clock.
    QHash<QString, QString> m_newestStampOf;
    QString m_newestStamp;
    // The tag of this device's version of each record as it wrote it (or
    // found it first), and whether another writer of its id was told of.
    QHash<QString, QString> m_ownTags;
    bool m_toldIDInUse = false;
    // This device's journal, which only it writes.
    std::optional<QVariantList> m_ownJournal;
    qlonglong m_ownSequence = 0;
    // Version files by source, and folder listings, as last read.
    QHash<QString, VersionFile> m_files;
    Listing m_recordsListing;
    QStringList m_recordNames;  // sorted
    QHash<QString, QStringList> m_leftoversByRecord;
    QHash<QString, Listing> m_recordListings;
    // Version files found unreadable, by source.
    QHash<QString, Unreadable> m_unreadable;
    // What the watch saw change, read together once the events settle.
    QSet<QString> m_pendingReads;
    QTimer* m_readTimer = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
};
