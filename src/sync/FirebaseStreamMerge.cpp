#include "sync/FirebaseStreamMerge.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "sync/FirebaseDataManager.h"
#include "sync/FirebaseEventStream.h"
#include "sync/OrvaneCloudManager.h"

namespace {

QSet<QString> idsOf(const BWBillIndex& index, const QString& listName)
{
    const QStringList ids = index.ids(listName);
    return QSet<QString>(ids.cbegin(), ids.cend());
}

}  // namespace

FirebaseStreamMerge::Decision FirebaseStreamMerge::decide(const QVariantMap& nodeValue, const QVariant& tombstone,
                                                          const std::optional<QVariantMap>& local)
{
    const QString billID = nodeValue.value(BillKeys::Bid).toString();
    const QVariantMap incoming = FirebaseDataManager::billOfNode(nodeValue);
    Decision decision;
    decision.merged = incoming;
    // A deletion elsewhere that the node's writer had not seen.
    if (tombstone.isValid())
        decision.merged = BWBillMerge::merged(decision.merged,
                                              FirebaseDataManager::tombstoneBill(billID, tombstone.toMap()));
    if (local)
        decision.merged = BWBillMerge::merged(*local, decision.merged);
    // What only this device holds goes up, whether or not anything comes
    // down; its own later changes went up when they were made.
    decision.sendBack = local && !BWBillMerge::sameState(decision.merged, incoming);
    decision.store = !local || !BWBillMerge::sameState(decision.merged, *local);
    return decision;
}

bool FirebaseStreamMerge::isBillChange(const FirebaseChildTracker::Change& change)
{
    return BWUIDMaker::isValidUID(change.key)
           && (change.kind == FirebaseChildTracker::Kind::Removed
               || change.value.toMap().value(BillKeys::Bid) == change.key);
}

FirebaseStreamMerge::Result FirebaseStreamMerge::merge(Input input)
{
    Result result;
    QList<FirebaseChildTracker::Change> changes;
    if (!input.event.isEmpty()) {
        const FirebaseEventStream::Event event = FirebaseEventStream::parseBlock(input.event.join());
        input.event.clear();
        const QJsonObject payload = QJsonDocument::fromJson(event.data).object();
        const QString name = QString::fromLatin1(event.name);
        const QString path = payload.value(QLatin1String("path")).toString();
        result.wholeNode = name == QLatin1String("put") && path == QLatin1String("/");
        changes = input.bills.apply(name, path, payload.value(QLatin1String("data")).toVariant());
    }
    result.bills = input.bills;
    const BWBillIndex index(input.dataFolder);
    const QSet<QString> deleted = idsOf(index, IndexKeys::DeletedBills);
    const auto localBill = [&](const QString& billID) {
        return OrvaneCloudManager::readLocalBill(input.dataFolder, billID, deleted.contains(billID)).bill;
    };
    QSet<QString> handled;
    for (const FirebaseChildTracker::Change& change : std::as_const(changes)) {
        if (!isBillChange(change)) {
            Log::line(QStringLiteral("Ignoring the cloud node \"%1\": not a bill").arg(change.key));
            continue;
        }
        handled.insert(change.key);
        if (change.kind == FirebaseChildTracker::Kind::Removed) {
            result.outcomes.append({Outcome::Removed, change.key, {}, change.value.toMap()});
            continue;
        }
        const Decision decision
            = decide(change.value.toMap(), input.tombstones.valueOf(change.key), localBill(change.key));
        if (decision.sendBack || decision.store)
            result.outcomes.append({Outcome::Decided, change.key, decision, {}});
    }
    if (!input.sendAll)
        return result;
    // Every active bill against the server's copy: a bill it lacks goes up
    // as it is stored here, one that holds more than its copy is merged.
    for (const QString& billID : index.ids(IndexKeys::ActiveBills)) {
        if (handled.contains(billID) || !BWUIDMaker::isValidUID(billID))
            continue;
        const std::optional<QVariantMap> local = localBill(billID);
        if (!local || BWBillMerge::isDeleted(*local))
            continue;
        const QVariant node = result.bills.valueOf(billID);
        if (!node.isValid() || !isBillChange({FirebaseChildTracker::Kind::Changed, billID, node})) {
            result.outcomes.append({Outcome::Upload, billID, {}, *local});
            continue;
        }
        const Decision decision = decide(node.toMap(), input.tombstones.valueOf(billID), local);
        if (decision.sendBack || decision.store)
            result.outcomes.append({Outcome::Decided, billID, decision, {}});
    }
    return result;
}
