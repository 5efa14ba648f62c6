#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

// A private record database shared between a user's devices. Records are
// named property-list dictionaries of one type ("Bill", "Index"); the
// server keeps a modification date and a change tag for each.
//
// Every call returns at once; its completion runs later on the thread that
// owns the database object (the GUI thread), never inside the call.

struct CloudRecord
{
    QString recordType;
    QString recordName;
    QVariantMap fields;
    // Set by the server when the record is saved; invalid / empty for a
    // record that was never saved.
    QDateTime modificationDate;
    QString changeTag;
};

struct CloudError
{
    enum Code {
        None = 0,
        NotFound,            // no record of that name
        ServerRecordChanged, // saved over a newer server copy (change tags differ)
        ZoneNotFound,
        QuotaExceeded,
        NetworkFailure,      // dropped, timed out or unreachable
        RateLimited,         // retry after `retryAfterSeconds`
        NotAuthenticated,    // the account is gone or its token expired
    };

    Code code = None;
    QString message;
    int retryAfterSeconds = 0;

    bool isError() const { return code != None; }
    static CloudError ok() { return {}; }
};

// One batch of a query; an empty cursor means the batch was the last one.
struct CloudQueryBatch
{
    QList<CloudRecord> records;
    QString cursor;
    // Of a query for changed records: the names of the records of the type
    // that still have the change tag the caller knew, left out of `records`.
    QStringList unchanged;
};

class CloudDatabase : public QObject
{
    Q_OBJECT

public:
    enum ChangeReason { RecordCreated = 1, RecordUpdated = 2, RecordDeleted = 3 };

    using FetchCompletion = std::function<void(const std::optional<CloudRecord>& record, const CloudError& error)>;
    using SaveCompletion = std::function<void(const CloudRecord& saved, const CloudError& error)>;
    using DeleteCompletion = std::function<void(const CloudError& error)>;
    using QueryCompletion = std::function<void(const CloudQueryBatch& batch, const CloudError& error)>;
    // Makes one record of two versions of it written apart.
    using RecordMerger = std::function<CloudRecord(const CloudRecord& first, const CloudRecord& second)>;
    // The latest stamp (HybridLogicalClock) of what a record holds; "" for
    // a record that carries none.
    using StampReader = std::function<QString(const CloudRecord& record)>;
    // Whether `holder` holds everything `held` holds, by its stamps.
    using HoldsTest = std::function<bool(const CloudRecord& holder, const CloudRecord& held)>;

    using QObject::QObject;

    // NotFound when the record does not exist; any other error is a failure
    // to read, never "the record is absent".
    virtual void fetchRecord(const QString& recordName, FetchCompletion completion) = 0;
    // Saves a record. When `record.changeTag` is set and the server's copy
    // has another tag, fails with ServerRecordChanged; an empty tag saves a
    // new record, or fails with ServerRecordChanged when one exists. On
    // ServerRecordChanged `saved` is the server's copy; on any other error it
    // is the record as it was passed in.
    virtual void saveRecord(const CloudRecord& record, SaveCompletion completion) = 0;
    virtual void deleteRecord(const QString& recordName, DeleteCompletion completion) = 0;
    // Records of one type, in batches. Pass an empty cursor for the first
    // batch, then the cursor of the previous batch.
    virtual void queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion) = 0;
    // The same query, for a caller that knows the change tags of some
    // records (`knownTags`, by name): those still with that tag come back
    // by name only, in `unchanged`. A database may read them more cheaply.
    virtual void queryChangedRecords(const QString& recordType, const QString& cursor,
                                     const QHash<QString, QString>& knownTags, QueryCompletion completion)
    {
        queryRecords(recordType, cursor, [knownTags, completion](CloudQueryBatch batch, const CloudError& error) {
            QList<CloudRecord> changed;
            for (CloudRecord& record : batch.records) {
                const auto known = knownTags.constFind(record.recordName);
                if (known != knownTags.cend() && *known == record.changeTag)
                    batch.unchanged.append(record.recordName);
                else
                    changed.append(std::move(record));
            }
            batch.records = changed;
            completion(batch, error);
        });
    }
    // Subscribes to changes of one record type under a fixed id: saving the
    // same id again replaces the subscription instead of adding another.
    virtual void saveSubscription(const QString& subscriptionID, const QString& recordType,
                                  const QList<ChangeReason>& reasons, DeleteCompletion completion) = 0;
    // A database that keeps several versions of one record (one per device)
    // shows them merged by `merger`; one that keeps a single copy has no use
    // for it. Without a merger the later version wins whole.
    virtual void setRecordMerger(RecordMerger merger) {}
    // Such a database removes a version only when another holds it
    // (`holds`; without it, when merging it in changes nothing), and judges
    // a device silent by the stamps of its versions (none without a reader).
    virtual void setVersionTests(StampReader latestStamp, HoldsTest holds) {}
    // Such a database writes this device's versions under `deviceID` from
    // now on.
    virtual void setDeviceID(const QString& deviceID) {}

signals:
    // A change made by another device to a record type this database
    // subscribed to.
    void recordChanged(const QString& recordType, const QString& recordName, int reason);
    // A copy of a record that stayed unreadable was moved out of the way to
    // `where`; the record is read from its other copies.
    void unreadableCopySetAside(const QString& recordName, const QString& where);
    // Another computer writes under this device's id: once per id.
    void deviceIDInUseElsewhere();
};

// The user's cloud: the account and its private database.
class CloudContainer : public QObject
{
    Q_OBJECT

public:
    enum AccountStatus { CouldNotDetermine = 0, Available = 1, Restricted = 2, NoAccount = 3, TemporarilyUnavailable = 4 };

    using QObject::QObject;

    virtual void accountStatus(std::function<void(AccountStatus status)> completion) = 0;
    virtual CloudDatabase* privateDatabase() = 0;
};
