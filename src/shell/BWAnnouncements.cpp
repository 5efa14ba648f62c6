#include "BWAnnouncements.h"

#include "platform/AccessibleAnnouncer.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

BWAnnouncements::BWAnnouncements(const BWStoreEnvironment& env, AccessibleAnnouncer& announcer)
    : m_env(env)
    , m_announcer(announcer)
{
}

void BWAnnouncements::paymentLogged(const QString& billID)
{
    const BWBillsLoader loader(m_env);
    const std::optional<QVariantMap> bill = loader.loadBillWithID(billID);
    if (!bill)
        return;
    // A new payment is appended to the list, whatever its date.
    const QVariantList payments = bill->value(BillKeys::PaymentList).toList();
    const QVariantMap payment = payments.isEmpty() ? QVariantMap() : payments.last().toMap();
    m_announcer.announce(tr("%1: payment of %2 logged")
                             .arg(bill->value(BillKeys::Name).toString(),
                                  loader.currencyFormattedNumber(payment.value(PaymentKeys::Amount).toDouble())));
}

void BWAnnouncements::paymentSkipped(const QString& billID)
{
    if (const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID))
        m_announcer.announce(tr("%1: payment skipped").arg(bill->value(BillKeys::Name).toString()));
}

void BWAnnouncements::itemSaved(const QString& billID)
{
    if (const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID))
        m_announcer.announce(tr("%1 saved").arg(bill->value(BillKeys::Name).toString()));
}
