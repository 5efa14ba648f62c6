#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

#include "store/BWStoreEnvironment.h"

// A write for the cloud database that the server has not confirmed yet.
struct FirebasePendingWrite
{
    enum Operation { Save, Remove };

    Operation operation = Save;
    QString uid;
    QString billID;
    QVariantMap record;     // Save: the bill in Firebase form
    double deletedAt = 0;   // Remove: the moment of the deletion, seconds since 1970
    qint64 sequence = 0;    // grows with every write journaled
};

// The journal of unconfirmed cloud writes, a file in the data folder. A write
// is journaled before it is sent and leaves the journal when the server has
// confirmed it; a later write of the same bill replaces an earlier one, since
// only the newest state matters. Made for each use; every change is written
// through at once, so a crash loses nothing that was journaled.
class FirebasePendingWrites
{
public:
    explicit FirebasePendingWrites(const BWStoreEnvironment& env);

    static QString fileName() { return QStringLiteral("CloudPendingWrites.json"); }

    // The journaled write with its sequence; nothing when the journal could
    // not be written.
    std::optional<FirebasePendingWrite> add(const FirebasePendingWrite& write);
    // Several at once, with one write of the journal; empty when it failed.
    QList<FirebasePendingWrite> add(QList<FirebasePendingWrite> writes);
    // Takes the write out when the journal still holds that very write.
    bool confirm(const FirebasePendingWrite& write);
    QList<FirebasePendingWrite> writesOf(const QString& uid) const;
    std::optional<FirebasePendingWrite> writeFor(const QString& uid, const QString& billID) const;

private:
    struct Journal
    {
        qint64 nextSequence = 1;
        QList<FirebasePendingWrite> writes;
    };
    QString path() const;
    Journal read() const;
    bool save(const Journal& journal) const;

    BWStoreEnvironment m_env;
};
