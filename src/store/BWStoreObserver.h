#pragma once

#include <QString>

// Told of each successful write of the store, after the files are on disk.
// Whoever shows stored data (the shell, the cloud glue) learns here what went
// stale; the store's own classes never wait for an answer. Every call comes on
// the thread that wrote; the default of each is to do nothing.
class BWStoreObserver
{
public:
    virtual ~BWStoreObserver() = default;

    // A bill's or income item's file was written (created, edited, paid,
    // archived, restored, reversed).
    virtual void billSaved(const QString& billID) {}
    // A payment was stored on the item (after its billSaved()).
    virtual void paymentLogged(const QString& billID) {}
    // The item's next payment was skipped (after its billSaved()).
    virtual void paymentSkipped(const QString& billID) {}
    // The item was moved to the deleted list.
    virtual void billDeleted(const QString& billID) {}
    // "billindex.plist" was written.
    virtual void indexChanged() {}
};
