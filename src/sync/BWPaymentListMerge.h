#pragma once

#include <QVariantList>
#include <QVariantMap>

#include <optional>

// Payment lists of two copies of one bill that were changed apart. Bills are
// decided whole by their dates; payments are the one part where that would
// lose money: a payment logged on each device while they could not reach one
// another. Only when each copy holds a payment the other lacks were both
// lists added to, and then the winner keeps the loser's payments too. A copy
// whose payments are all in the other one (a payment reversed or deleted
// there, or simply an older copy) is decided by date alone.
//
// A payment is known by its date and time (to the second): the log-payment
// panel stamps the moment it opened, so payments logged apart differ there,
// while editing a payment's amount or note keeps it the same payment.
class BWPaymentListMerge
{
public:
    static bool samePayment(const QVariantMap& a, const QVariantMap& b);

    // The winner with the loser's extra payments added after its own, and
    // TotalPaid, Average and LastPayment recomputed; nothing when only one
    // side (or neither) gained payments.
    static std::optional<QVariantMap> mergeConcurrentPayments(const QVariantMap& winner, const QVariantMap& loser);

    // `incoming` payments with what only this device keeps of the same
    // payment in `local` (the details that undo it, its own receipt copy).
    static QVariantList keepLocalDetails(const QVariantList& incoming, const QVariantList& local);

private:
    static bool contains(const QVariantList& payments, const QVariantMap& payment);
};
