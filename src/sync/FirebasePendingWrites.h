#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
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
    qint64 sequence = 0;    // grows with every write journaled; 0 for one never journaled
};

// The journal of unconfirmed cloud writes, a file in the data folder. A write
// is journaled before it is sent and leaves the journal when the server has
// confirmed it; a later write of the same bill replaces an earlier one, since
// only the newest state matters.
//
// The file is a log, one JSON object a line: a write added, a write
// confirmed, or the whole journal (the form an earlier version wrote, and
// what compaction writes). Adds and confirmations are appended, so each
// costs its own line only; the log is rewritten with just the live writes
// when it is opened and whenever the lines that no longer count outweigh
// the live ones. A line cut off by a crash is skipped: an add is flushed to
// disk before it is sent, so only a confirmation can be lost that way, and
// that write is sent once more, which the compare-and-swap makes harmless.
//
// Kept in memory once read; the file is read again only when the data
// folder moved.
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
    // In the order they were journaled.
    QList<FirebasePendingWrite> writesOf(const QString& uid) const;
    std::optional<FirebasePendingWrite> writeFor(const QString& uid, const QString& billID) const;
    // Rewrites the file with the live writes only.
    bool compact();

private:
    struct Entry
    {
        FirebasePendingWrite write;
        QByteArray line;   // as it stands in the file, with its newline
    };
    QString path() const;
    // Reads the file when the data folder is not the one read last.
    void load() const;
    // Reads it and, when anything in it no longer counts, compacts it.
    void open();
    void replay(const QByteArray& line) const;
    void keep(const Entry& entry) const;
    void drop(const QString& key) const;
    bool append(const QByteArray& lines, bool flushToDisk);
    void compactWhenMostlyDead();

    BWStoreEnvironment m_env;
    // The journal as the file says, once read.
    mutable QString m_loadedPath;
    mutable qint64 m_nextSequence = 1;
    mutable QMap<qint64, Entry> m_bySequence;
    mutable QHash<QString, qint64> m_sequenceOf;   // by "<uid>/<bill id>"
    mutable qint64 m_liveBytes = 0;
    mutable qint64 m_fileBytes = 0;
    mutable qint64 m_headerBytes = 0;   // the line that starts a compacted log
    mutable bool m_tornTail = false;
    mutable bool m_compactOnOpen = false;
};
