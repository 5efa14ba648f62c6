#pragma once

// The kinds of the log-payment command, carried as the tag of the button or
// menu item that asks for it.
enum class PaymentKind : int {
    Full = 0,                      // moves the bill to its next due date
    Partial = 1,                   // keeps the due date; the sender is retitled "Log Payment"
    QuickLog = 2,                  // the stored amount on the due date, without the panel
    PartialKeepingTitle = 3,       // as Partial, the sender keeps its title
};

// Whether a sender's tag names one of the kinds.
inline bool isPaymentKind(int tag)
{
    return tag >= int(PaymentKind::Full) && tag <= int(PaymentKind::PartialKeepingTitle);
}
