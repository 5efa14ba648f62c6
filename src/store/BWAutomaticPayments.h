#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

#include "store/BWStoreEnvironment.h"

// The one place where payments are logged without the user: automatic bills
// (while BWShouldAutoLogPayments is on) and income items (while
// BW_ShouldAutoLogIncome is on) whose shown and stored due dates have both
// come are paid on their stored due date with the note "Auto-logged by
// Orvane", and move on to their next due date. No payment is ever dated
// after today, so the passes log at most the occurrences that fell due.
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

    // Which kinds of item log themselves.
    struct Switches
    {
        bool automaticBills = false;  // BWShouldAutoLogPayments
        bool income = false;          // BW_ShouldAutoLogIncome
    };
    // The switches as the user set them.
    Switches switchesInDefaults() const;

    // Whether the item, as loaded, logs itself now under the user's switches.
    bool isDue(const QVariantMap& item) const { return isDue(item, switchesInDefaults()); }
    // The one rule of logging without the user, for every caller: the item
    // logs itself (an automatic bill with an amount, or any income item, of
    // a kind switched on, not archived), its due date has come, no payment
    // stands on that date yet and its repeat rule moves the date on.
    bool isDue(const QVariantMap& item, Switches switches) const;

    static QStringList billIDsOf(const QVariantList& records);

    // What the passes would log for `item` as it is about to be stored (an
    // edit not yet saved): how many payments, the first dated `from`.
    struct Backlog
    {
        int count = 0;
        QDateTime from;
    };
    Backlog backlogOf(QVariantMap item) const;

private:
    static bool logsItself(const QVariantMap& item, Switches switches);
    bool logPayment(const QVariantMap& item) const;

    BWStoreEnvironment m_env;
};
