#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

#include "store/BWStoreEnvironment.h"

// The one place where payments are logged without the user: automatic bills
// (while BWShouldAutoLogPayments is on) and income items (while
// BW_ShouldAutoLogIncome is on) whose shown due date has come are paid on
// their stored due date with the note "Auto-logged by Orvane", and move on
// to their next due date.
//
// Guards, the same for both kinds: an item is logged at most once per pass,
// never when a payment already stands on that date, and never when its rule
// would not move the due date forward (it would stay due and be logged again
// at every look). Made for each use; the shell runs it before it loads at
// start-up, on a new day and after a wake, and whenever something may have
// made an item due: automatic logging turned on, an item saved or restored,
// a change from another device. Never from inside a load.
class BWAutomaticPayments
{
public:
    explicit BWAutomaticPayments(const BWStoreEnvironment& env);

    // Passes over the active items until none is due any more, so an item
    // several dates behind catches up. The ids logged, each once.
    QStringList logDuePayments() const;
    // The same over `candidates` only: the items that alone may have come
    // due (the one just saved, those found due by findDueItems()).
    QStringList logDuePayments(const QStringList& candidates) const;
    // Looks on a worker thread, through a copy of the settings, for the
    // active items that log themselves now, and hands their ids to `found`
    // on the thread of `context` (nothing when `context` has gone).
    static void findDueItems(const BWStoreEnvironment& env, QObject* context,
                             std::function<void(const QStringList& due)> found);
    // One pass over the items of `billIDs`, each read afresh from its file.
    // The ids logged.
    QStringList logDuePaymentsOnce(const QStringList& billIDs) const;

    // Whether the item, as loaded, logs itself now.
    bool isDue(const QVariantMap& item) const;

    static QStringList billIDsOf(const QVariantList& records);

private:
    bool logsItself(const QVariantMap& item) const;
    bool logPayment(const QVariantMap& item) const;

    BWStoreEnvironment m_env;
};
