#include "store/BWAutomaticPayments.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "store/BWWorkerEnvironment.h"
#include "store/OrLogHelper.h"
#include "store/RepeatUnit.h"

namespace {

bool hasPaymentOn(const QVariantMap& item, const QDateTime& date)
{
    for (const QVariant& entry : item.value(BillKeys::PaymentList).toList()) {
        const QDateTime paid = entry.toMap().value(PaymentKeys::Date).toDateTime();
        if (paid.isValid() && paid.toSecsSinceEpoch() == date.toSecsSinceEpoch())
            return true;
    }
    return false;
}

}  // namespace

BWAutomaticPayments::BWAutomaticPayments(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QStringList BWAutomaticPayments::logDuePayments() const
{
    const BWBillsLoader loader(m_env);
    return logDuePayments(loader.trimDeletedBillsFromActiveBills(loader.loadBillIDsInGroup(IndexKeys::ActiveBills)));
}

QStringList BWAutomaticPayments::logDuePayments(const QStringList& candidates) const
{
    QStringList logged;
    // Each payment moves its item's due date forward, so the passes end once
    // every item's date lies in the future.
    for (QStringList pass = logDuePaymentsOnce(candidates); !pass.isEmpty(); pass = logDuePaymentsOnce(pass)) {
        for (const QString& billID : std::as_const(pass)) {
            if (!logged.contains(billID))
                logged.append(billID);
        }
    }
    return logged;
}

QStringList BWAutomaticPayments::logDuePaymentsOnce(const QStringList& billIDs) const
{
    // A list handed in may be older than the files, or show an item more
    // than once; the payment always goes onto the item as stored. Read all
    // at once, the items come from the cache the overview's load then uses.
    const QList<std::optional<QVariantMap>> items = BWBillsLoader(m_env).loadBillsWithIDs(
        billIDs, [switches = switchesInDefaults()](const QVariantMap& stored) { return logsItself(stored, switches); });
    QSet<QString> seen;
    QStringList logged;
    for (qsizetype i = 0; i < billIDs.size(); ++i) {
        const QString& billID = billIDs.at(i);
        if (seen.contains(billID))
            continue;
        seen.insert(billID);
        const std::optional<QVariantMap>& item = items.at(i);
        if (item && isDue(*item) && logPayment(*item))
            logged.append(billID);
    }
    return logged;
}

void BWAutomaticPayments::findDueItems(const BWStoreEnvironment& env, QObject* context,
                                       std::function<void(const QStringList& due)> found)
{
    auto worker = std::make_shared<BWWorkerEnvironment>(env);
    QThreadPool::globalInstance()->start([worker, context = QPointer<QObject>(context), found = std::move(found)] {
        const BWAutomaticPayments payments(worker->env);
        const Switches switches = payments.switchesInDefaults();
        const BWBillsLoader loader(worker->env);
        const QStringList active
            = loader.trimDeletedBillsFromActiveBills(loader.loadBillIDsInGroup(IndexKeys::ActiveBills));
        const QList<std::optional<QVariantMap>> items = loader.loadBillsWithIDs(
            active, [switches](const QVariantMap& stored) { return logsItself(stored, switches); });
        QStringList due;
        for (qsizetype i = 0; i < active.size(); ++i) {
            if (items.at(i) && payments.isDue(*items.at(i), switches) && !due.contains(active.at(i)))
                due.append(active.at(i));
        }
        // The context is looked at on its own thread, where it may go.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [context, found, due] {
            if (context)
                found(due);
        });
    });
}

BWAutomaticPayments::Switches BWAutomaticPayments::switchesInDefaults() const
{
    const UserDefaults& defaults = *m_env.defaults;
    return {defaults.boolForKey(BWDefaultsKeys::BWShouldAutoLogPayments),
            defaults.boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome)};
}

bool BWAutomaticPayments::isDue(const QVariantMap& item, Switches switches) const
{
    if (!logsItself(item, switches))
        return false;
    const QDateTime storedDueDate = item.value(BillKeys::AbsoluteDueDate).toDateTime();
    // The payment is dated on the stored due date, which a weekend, holiday
    // or vacation may have moved the shown one away from: the item logs
    // itself once both have come, never for a day still ahead.
    const OrLogHelper days(*m_env.clock);
    for (const QDateTime& date : {item.value(BillKeys::DueDate).toDateTime(), storedDueDate}) {
        if (days.isDateTodayPastOrFutureForDate(date) == OrLogHelper::FutureDay)
            return false;
    }
    if (hasPaymentOn(item, storedDueDate))
        return false;
    const QDateTime next = BWPaymentLogger(m_env).calculateNextDueDateForBill(item);
    if (!next.isValid() || next <= storedDueDate) {
        Log::line(QStringLiteral("Not logging %1 automatically: its due date would not move on")
                      .arg(item.value(BillKeys::Bid).toString()));
        return false;
    }
    return true;
}

// An archived item's dates are over, whatever date it still carries. An
// income item logs itself whatever its amount: while its switch is on no
// command offers to log it by hand (BWBillCommands), so one left unlogged
// would stay overdue for good.
bool BWAutomaticPayments::logsItself(const QVariantMap& item, Switches switches)
{
    if (item.value(BillKeys::IsArchived).toBool())
        return false;
    if (BWBillsLoader::billIsIncome(item))
        return switches.income;
    return switches.automaticBills && item.value(BillKeys::PayType).toLongLong() == AutomaticPayType
           && item.value(BillKeys::Amount).toDouble() != 0.0;
}

// Paid on the stored due date: a date moved off a weekend or holiday is only
// what the user sees.
bool BWAutomaticPayments::logPayment(const QVariantMap& item) const
{
    const BWPayment payment{item.value(BillKeys::Amount).toDouble(), item.value(BillKeys::AbsoluteDueDate).toDateTime(),
                            QCoreApplication::translate("BWAutomaticPayments", "Auto-logged by Orvane"), QString()};
    if (BWPaymentLogger(m_env).recordPayment(payment, item))
        return true;
    Log::line(QStringLiteral("Could not log the automatic payment of %1").arg(item.value(BillKeys::Bid).toString()));
    return false;
}

// The passes of logDuePayments() without writing: each payment would move
// the item's due date on by its rule.
BWAutomaticPayments::Backlog BWAutomaticPayments::backlogOf(QVariantMap item) const
{
    Backlog backlog;
    // A new item's record holds the one due date it is stored with.
    if (!item.contains(BillKeys::AbsoluteDueDate))
        item.insert(BillKeys::AbsoluteDueDate, item.value(BillKeys::DueDate));
    const BWPaymentLogger logger(m_env);
    const Switches switches = switchesInDefaults();
    while (isDue(item, switches)) {
        if (backlog.count++ == 0)
            backlog.from = item.value(BillKeys::AbsoluteDueDate).toDateTime();
        if (!logger.moveDueDateOfBill(item))
            break;
    }
    return backlog;
}

QStringList BWAutomaticPayments::billIDsOf(const QVariantList& records)
{
    QStringList ids;
    for (const QVariant& record : records)
        ids.append(record.toMap().value(BillKeys::Bid).toString());
    return ids;
}
