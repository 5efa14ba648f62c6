#pragma once

#include "platform/CloudDatabase.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>

class FolderCloudWorker;

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
// that stays holds them, they are removed.
//
// While a version is written a lock file outside the folder is held, so that
// two programs on one machine do not interleave.
//
// A version that cannot be read is left out: the record is the merge of
// the others (a sync service may be replacing the file). One still
// unreadable ten minutes later is moved to conflicts/ beside records/.
// Versions of a device none of whose versions carries a stamp of the last
// 90 days (by the stamps, see setVersionTests) are folded in and removed,
// so that the folder does not grow with every computer ever used. A version
// goes only once a version that stays holds all of it, and only if its file
// is still the one read.
//
// Record names are checked before they name a file: a bill id (32 upper-case
// hexadecimal characters) or one of the two index names. A change another
// device's journal tells of is announced through recordChanged to the
// subscriptions of this object; since a sync service may bring the journal
// before the version it tells of, every file that arrives in records/ leads
// to a read of its record too, announced when it reads differently.
//
// The folder is read and written on a thread of its own (FolderCloudWorker);
// the answers come back on the thread that owns this object, a few at a
// time, so that a flood of them never holds up the window.
class FolderCloudDatabase : public CloudDatabase
{
    Q_OBJECT

public:
    // `deviceID` names this device's version files (a bill-style id).
    FolderCloudDatabase(const QString& folder, const QString& deviceID, QObject* parent = nullptr);
    ~FolderCloudDatabase() override;

    void fetchRecord(const QString& recordName, FetchCompletion completion) override;
    void saveRecord(const CloudRecord& record, SaveCompletion completion) override;
    void deleteRecord(const QString& recordName, DeleteCompletion completion) override;
    void queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion) override;
    void queryChangedRecords(const QString& recordType, const QString& cursor, const QHash<QString, QString>& knownTags,
                             QueryCompletion completion) override;
    void saveSubscription(const QString& subscriptionID, const QString& recordType,
                          const QList<ChangeReason>& reasons, DeleteCompletion completion) override;
    void setRecordMerger(RecordMerger merger) override;
    void setVersionTests(StampReader latestStamp, HoldsTest holds) override;
    void setDeviceID(const QString& deviceID) override;

    // Modification dates are taken from here (the system clock by default),
    // always on this object's thread.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setBatchSize(int size);

    // True for the names a record may have here.
    static bool isValidRecordName(const QString& recordName);
    // The file a sync service's conflict copy named `fileName` stands for;
    // empty when the name is no conflict copy.
    static QString conflictCopyOriginal(const QString& fileName);

    // Reads every record again, announces those another device changed, and
    // takes over what a sync service or the earlier layout left; `done` runs
    // once that is over. The folder watch reads single records as their
    // files arrive; tests may call it.
    void readChanges(std::function<void()> done = {});
    // Reads what the folder watch saw change.
    void readPending(const QSet<QString>& pending);
    // Nothing asked of the folder is under way or waiting, answers included,
    // and the watch has nothing waiting to be read.
    bool isIdle() const;

    // How long a version may stay unreadable before it is set aside, and how
    // long a device may stay silent before its versions are folded in.
    static constexpr qint64 UnreadableGraceSeconds = 10 * 60;
    static constexpr qint64 SilentDeviceDays = 90;

private:
    // Runs `work` on the worker's thread, in the order of the calls.
    void onWorker(std::function<void(FolderCloudWorker&, const QDateTime& now)> work);
    // Queues a call for this object's thread.
    void post(std::function<void()> call);
    // Runs the queued calls for a few milliseconds, and the rest later.
    void deliver();

    std::function<QDateTime()> m_clock;
    QThread m_thread;
    FolderCloudWorker* m_worker;
    // Calls handed to the worker and not yet run there.
    std::atomic<int> m_onWorker = 0;
    mutable QMutex m_mailboxMutex;
    QList<std::function<void()>> m_mailbox;
    QTimer m_deliverLater;
};
