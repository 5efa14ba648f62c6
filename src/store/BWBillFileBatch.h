#pragma once

#include <QFuture>
#include <QList>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FileStamp.h"
#include "platform/PropertyList.h"

// A list of files read and parsed on the worker threads, each file by
// whichever thread comes to it first. The thread that waits for the batch
// reads what is left instead of idling. Reading a file has no side effects,
// which is all the workers do.
class BWBillFileBatch
{
public:
    // One file as read, with its stamp just before and just after the read:
    // when they differ, the file changed while it was read.
    struct File {
        std::optional<FileStamp> before, after;
        // Whether the stamp was settled when the read ended: a later change
        // is then bound to change it.
        bool settledWhenRead = false;
        PropertyList::ReadResult result;
        // Whether the result is the file as it stood with this stamp.
        bool standsFor(const std::optional<FileStamp>& stamp) const
        {
            return stamp && before == stamp && after == stamp;
        }
    };

    // Starts `workers` worker threads on the files (none: all is read in
    // finish()).
    static std::shared_ptr<BWBillFileBatch> start(const QStringList& paths, int workers);
    // How many workers a batch of `files` files is worth.
    static int workersFor(qsizetype files);

    // Reads the files no worker has taken yet, then waits for the workers.
    void finish();
    const QStringList& paths() const { return m_paths; }
    // The files, in the order of paths(); complete once finish() returns.
    const std::vector<File>& files() const { return m_files; }

    explicit BWBillFileBatch(const QStringList& paths);

private:
    void readRemaining();

    QStringList m_paths;
    std::vector<File> m_files;
    std::atomic<qsizetype> m_next = 0;
    QList<QFuture<void>> m_workers;
};
