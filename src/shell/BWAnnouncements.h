#pragma once

#include <QCoreApplication>
#include <QString>

#include "store/BWStoreObserver.h"

class AccessibleAnnouncer;
struct BWStoreEnvironment;

// Tells a screen reader what the user's commands did to a bill, as the store
// reports its writes: "Rent: payment of $1,450.00 logged", "Rent: payment
// skipped", "Rent saved". Other writes (sync, indexes) are left unsaid: a
// listener hears what they did, not what the program does behind them.
class BWAnnouncements : public BWStoreObserver
{
    Q_DECLARE_TR_FUNCTIONS(BWAnnouncements)

public:
    BWAnnouncements(const BWStoreEnvironment& env, AccessibleAnnouncer& announcer);

    void paymentLogged(const QString& billID) override;
    void paymentSkipped(const QString& billID) override;
    // The editor stored the item from its form.
    void itemSaved(const QString& billID);

private:
    const BWStoreEnvironment& m_env;
    AccessibleAnnouncer& m_announcer;
};
