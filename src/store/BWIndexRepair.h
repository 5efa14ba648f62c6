#pragma once

#include <QStringList>

#include "store/BWStoreEnvironment.h"

// Puts the index's lists right from the bills' own files. A deletion writes
// the bill's file (its tombstone) before the index, so a program ended
// between the two writes leaves a deleted bill listed as live: shown here,
// and sent to the other computers as live.
class BWIndexRepair
{
public:
    explicit BWIndexRepair(const BWStoreEnvironment& env);

    // The ids listed as active or archived whose own file says deleted. Only
    // reads, so it runs on a worker.
    static QStringList tombstonesListedAsLive(const QString& dataFolder);
    // Lists those bills as deleted (on the GUI thread) and hands each
    // deletion to the cloud channels: true when every one of them is listed;
    // a bill that changed meanwhile is left as it is now.
    bool listAsDeleted(const QStringList& billIDs) const;

private:
    BWStoreEnvironment m_env;
};
