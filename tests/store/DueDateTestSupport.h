#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWStoreEnvironment.h"
#include "support/DueDateTestZone.h"
#include "support/TempFolder.h"

// A local moment as records hold dates: in UTC.
inline QDateTime localMoment(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute)).toUTC();
}

// The local calendar day and time of a stored moment, for readable comparisons.
inline QDate localDay(const QDateTime& moment)
{
    return moment.toLocalTime().date();
}

inline QTime localTime(const QDateTime& moment)
{
    return moment.toLocalTime().time();
}

// Just the defaults, in a temporary folder, and the clock that date rules
// read, with an environment that holds nothing else.
class DateRuleSettings
{
public:
    DateRuleSettings()
    {
        env.defaults = &defaults;
        env.clock = &clock;
    }

    TempFolder folder;
    UserDefaults defaults{folder.file("defaults.plist")};
    Clock clock;
    BWStoreEnvironment env;
};
