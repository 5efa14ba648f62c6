#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

#include "sync/FirebaseChildTracker.h"

// Merging what the server holds of the account's bills with the bill files,
// on a worker thread: the change stream's large events (its first event
// carries every bill at once) and the send-all pass, which compares each
// active bill with the copy the stream brought. Touches nothing; what is to
// be stored or sent is carried out on the manager's thread, a few bills a
// turn.
class FirebaseStreamMerge
{
public:
    // What a node's copy comes to against the bill here.
    struct Decision
    {
        QVariantMap merged;
        bool sendBack = false;   // the merge holds what the node lacks
        bool store = false;      // the merge holds what the bill here lacks
    };
    struct Outcome
    {
        enum Kind { Decided, Removed, Upload };
        Kind kind = Decided;
        QString billID;
        Decision decision;   // Decided
        QVariantMap value;   // Removed: the node's last value; Upload: the bill here
    };
    struct Input
    {
        QByteArrayList event;    // the change's text in pieces; none for the send-all alone
        FirebaseChildTracker bills;
        FirebaseChildTracker tombstones;
        QString dataFolder;
        bool sendAll = false;    // every active bill is compared too
    };
    struct Result
    {
        FirebaseChildTracker bills;   // with the event applied
        QList<Outcome> outcomes;      // only those with anything to do
        bool wholeNode = false;       // the event carried the whole node
    };

    // The merge of a node's value with the bill here and a tombstone, by the
    // merge rule.
    static Decision decide(const QVariantMap& nodeValue, const QVariant& tombstone,
                           const std::optional<QVariantMap>& local);
    // Whether a change names a bill: a real bill id, matching the record.
    static bool isBillChange(const FirebaseChildTracker::Change& change);
    static Result merge(Input input);
};
