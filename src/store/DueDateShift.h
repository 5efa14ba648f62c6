#pragma once

#include <QVariant>

// Why a loaded record's DueDate differs from the stored one, as kept under
// DateWasModified. The shift is for display and reminders only: the store
// never writes a shifted date.
enum class DueDateShift : qlonglong {
    None = 0,
    Weekend = 1,
    Holiday = 2,
    Vacation = 3,
};

// The reason of a DateWasModified value; None for anything unknown.
inline DueDateShift dueDateShiftOf(const QVariant& dateWasModified)
{
    const qlonglong code = dateWasModified.toLongLong();
    if (code < qlonglong(DueDateShift::Weekend) || code > qlonglong(DueDateShift::Vacation))
        return DueDateShift::None;
    return DueDateShift(code);
}
