#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include "platform/PropertyList.h"

// Parsed files of the data folder (the bill files, and apart from them the
// index), each kept with the identity, size and times (to the nanosecond) of
// the file it was read from, so that a load or a write parses only the files
// that changed since the last one.
//
// Any change to a file gives it a new inode (our atomic writer, a sync
// service replacing it) or a new change time (an edit in place, even one that
// restores the old modification time). A file changed within the last
// moments is never kept: an edit in the same tick of the file-system clock
// could leave every time as it was.
class BWBillFileCache
{
public:
    // The bill files.
    static BWBillFileCache& shared();
    // The bill index, which each write reads: kept apart, since a read of
    // the bill files forgets every other file.
    static BWBillFileCache& indexes();

    // Whether a read names every file the cache is to keep (the others are
    // dropped: a file that left the index is not held on to), or only some.
    enum class Scope { AllKept, Some };

    // The contents of the files, in their order: taken from the cache where
    // a file is as it was, read again (on the worker threads) where not.
    QList<PropertyList::ReadResult> read(const QStringList& paths, Scope scope = Scope::AllKept);

private:
    struct FileStamp {
        qint64 device = 0, inode = 0, size = 0, modifiedNs = 0, changedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        FileStamp stamp;
        PropertyList::ReadResult result;
    };

    static bool stampOf(const QString& path, FileStamp* stamp);
    static bool settled(const FileStamp& stamp);

    QMutex m_mutex;
    QHash<QString, Entry> m_entries;
};
