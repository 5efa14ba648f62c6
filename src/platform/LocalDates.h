#pragma once

#include <QDate>
#include <QDateTime>

// The local calendar day of moments, exactly as QDateTime::toLocalTime()
// gives it, for work that converts many of them. Qt has the C library read
// the time zone afresh for every conversion, which without TZ is a stat of
// /etc/localtime each time; a LocalDates reads the zone once, when it is
// made, and converts with the zone as it was then. Make one for a piece of
// work (a load, a pass over a list): the next one sees a zone that changed
// in between.
class LocalDates
{
public:
    LocalDates();

    // The local day of `moment`; invalid for an invalid moment.
    QDate dateOf(const QDateTime& moment) const;
    // Whole local calendar days from the day of `from` to the day of `to`.
    qint64 daysFromTo(const QDateTime& from, const QDateTime& to) const;
};
