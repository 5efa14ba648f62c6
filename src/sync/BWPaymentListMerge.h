#pragma once

#include <QSet>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

// Payment lists of two copies of one bill that were changed apart. Bills are
// decided whole by their dates; payments are the one part where that would
// lose money: a payment logged on one device while the other, unaware of
// it, changed the same bill. The payments both copies should hold are those
// they share, and those only one holds that were not in step before (new
// there); a payment that was in step and that one copy no longer holds was
// removed there (reversed or deleted) and stays removed.
//
// A payment is known by its date and time (to the second): the log-payment
// panel stamps the moment it opened, so payments logged apart differ there,
// while editing a payment's amount or note keeps it the same payment.
class BWPaymentListMerge
{
public:
    // The payments both copies should hold: the winner's, without those in
    // step before that the other copy removed, followed by what only the
    // other copy adds. `inStep`: the moments of the payments this computer
    // last held in step with the cloud.
    static QVariantList mergedPayments(const QVariantList& winner, const QVariantList& other,
                                       const QSet<qint64>& inStep);

    // The winner holding `payments`, with TotalPaid, Average and LastPayment
    // recomputed; nothing when it holds those payments already.
    static std::optional<QVariantMap> withPayments(const QVariantMap& winner, const QVariantList& payments);

    // `incoming` payments with what only this device keeps of the same
    // payment in `local` (the details that undo it, its own receipt copy).
    static QVariantList keepLocalDetails(const QVariantList& incoming, const QVariantList& local);

private:
    static QSet<qint64> momentsOf(const QVariantList& payments);
    // Whether `payments` hold one of the same moment, amount and note.
    static bool holdsSamePayment(const QVariantList& payments, const QVariant& payment);
};
