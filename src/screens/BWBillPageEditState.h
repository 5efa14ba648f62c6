#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariantMap>
#include <cmath>

// What a bill page's editors opened with, kept until they save or close.
struct BWBillPageEditState
{
    // The row of the payment in the payment editor; -1 for none.
    int paymentIndex = -1;
    // The receipt chosen in the payment editor; its button shows the name.
    QString receipt;
    // What the payment editor showed when it opened, and the payment it
    // edits; a field left at it is not written back.
    QVariantMap payment;
    QDate paidDate;
    double paidAmount = 0.0;
    QString paidNote;
    QString paidReceipt;
    // The date the quick editor opened with; a due date left alone is not
    // written back.
    QDateTime quickEditDueDate;
    // What the amount, notes and balance editors showed when they opened;
    // a field left at it is not written back.
    double quickEditAmount = 0.0;
    QString notes;
    double balance = 0.0;
    double interestPercent = 0.0;
    double escrow = 0.0;

    // Amounts within half a cent of the one shown are the one shown.
    static bool amountChanged(double shown, double entered) { return std::abs(entered - shown) >= 0.005; }
};
