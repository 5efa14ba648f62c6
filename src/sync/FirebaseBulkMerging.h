#pragma once

#include <QByteArrayList>
#include <QFutureWatcher>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include "sync/FirebasePendingWrites.h"
#include "sync/FirebaseStreamMerge.h"
#include "sync/OrvaneTurnQueue.h"

// What FirebaseDataManager keeps of the large stream events and the
// send-all while they are merged on a worker and carried out.
struct FirebaseBulkMerging
{
    struct HeldEvent
    {
        QString event;
        QString path;
        QVariant data;
        QByteArrayList pieces;   // a large change not yet read
    };
    // From the worker's start until the last of its outcomes was carried out.
    bool busy = false;
    bool onWorker = false;   // the merge itself
    // Stopping the listeners drops whatever is under way.
    int generation = 0;
    QList<HeldEvent> held;
    OrvaneTurnQueue turns;
    QFutureWatcher<FirebaseStreamMerge::Result> merging;
    // The send-all compares with the copies of the stream's first event.
    bool sendAllWanted = false;
    bool mergingSendAll = false;
    bool firstEventMerged = false;
    QList<FirebasePendingWrite> uploads;
    QSet<QString> uploadsUnderWay;   // by "<uid>/<bill id>"
};
