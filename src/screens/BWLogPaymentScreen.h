#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// What the application shell needs of the log-payment panel, in which the
// user records one payment of a bill.
class BWLogPaymentScreen
{
public:
    virtual ~BWLogPaymentScreen() = default;

    // The bill to log; empty for none.
    virtual QString bid() const = 0;
    virtual void setBid(const QString& billID) = 0;

    // The panel's window.
    virtual QWidget* panel() const = 0;
    // True after a payment was saved from the panel.
    virtual bool didMakePayment() const = 0;
    // Full payment (moves the due date) and partial payment (keeps it); the
    // caller shows exactly one.
    virtual QWidget* savePaymentButton() const = 0;
    virtual QWidget* savePartialButton() const = 0;

    // Fills the panel for `bid` and brings it to the front.
    virtual void showLogPaymentWindow() = 0;

    virtual QLineEdit* amountPaidField() const = 0;
};
