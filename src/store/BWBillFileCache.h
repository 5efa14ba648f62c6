#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

#include "platform/FileStamp.h"
#include "platform/PropertyList.h"
#include "store/BWBillFileBatch.h"

// Parsed files of the data folder (the bill files, and apart from them the
// index), each kept with the stamp of the file it was read from (see
// FileStamp), so that a load or a write parses only the files that changed
// since the last one. A file changed within the last moments is never kept.
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

    // Starts reading the files on the worker threads and returns at once;
    // the first read() that asks for any of them waits for them instead of
    // reading them itself. A file that changes in between is read again.
    void readAhead(const QStringList& paths);

    // How many files this cache has read from disk so far, read ahead or not.
    qsizetype filesRead() const;

private:
    struct Entry {
        FileStamp stamp;
        PropertyList::ReadResult result;
    };

    void joinReadAhead(const QStringList& paths);

    void keepInPlace(const QStringList& paths, const QList<std::optional<FileStamp>>& stamps,
                     const QList<PropertyList::ReadResult>& results,
                     const QList<std::pair<qsizetype, FileStamp>>& fresh);

    mutable QMutex m_mutex;
    qsizetype m_filesRead = 0;
    QHash<QString, Entry> m_entries;
    // The read ahead while it runs, and the files it read that are still to
    // be asked for (failed ones among them, which the cache does not keep).
    std::shared_ptr<BWBillFileBatch> m_ahead;
    QSet<QString> m_aheadPaths;
    QHash<QString, Entry> m_readEarly;
};
