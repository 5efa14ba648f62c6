#pragma once

#include <QString>

#include "store/PaymentKind.h"

class QLineEdit;

// What the application shell needs of the log-payment panel, in which the
// user records one payment of a bill. The panel announces a stored payment
// through its own signal; the shell only asks it to open.
class BWLogPaymentScreen
{
public:
    virtual ~BWLogPaymentScreen() = default;

    // The bill to log; empty for none.
    virtual QString bid() const = 0;
    virtual void setBid(const QString& billID) = 0;

    // Fills the panel for `bid` and brings it to the front, offering the full
    // payment (the due date moves on) for PaymentKind::Full and the partial
    // one (the due date stays) for the partial kinds.
    virtual void showLogPaymentWindow(PaymentKind kind) = 0;

    virtual QLineEdit* amountPaidField() const = 0;
};
