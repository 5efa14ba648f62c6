#pragma once

#include <QDateTime>
#include <QString>

// What a bill page's editors opened with, kept until they save or close.
struct BWBillPageEditState
{
    // The row of the payment in the payment editor; -1 for none.
    int paymentIndex = -1;
    // The receipt chosen in the payment editor; its button shows the name.
    QString receipt;
    // The date the quick editor opened with; a due date left alone is not
    // written back.
    QDateTime quickEditDueDate;
};
