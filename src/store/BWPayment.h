#pragma once

#include <QDateTime>
#include <QString>

// One payment on its way into the payment logger. It carries values only.
struct BWPayment
{
    double amount = 0.0;
    QDateTime date;
    QString note;
    // Path of a chosen receipt file; "", "Attach" or "Attach Receipt" (the
    // receipt button's titles) when none was chosen.
    QString attachment;
};
