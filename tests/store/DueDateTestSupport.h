#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <ctime>

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWStoreEnvironment.h"
#include "support/TempFolder.h"

// Runs a test in a fixed local time zone and puts the previous one back
// afterwards, so date tests don't depend on the machine they run on. New York
// has its spring-forward change on Sunday 13 March 2016 and its fall-back
// change on Sunday 6 November 2016.
class DueDateTestZone
{
public:
    explicit DueDateTestZone(const char* zone = "America/New_York")
        : m_hadZone(qEnvironmentVariableIsSet("TZ")), m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }

    ~DueDateTestZone()
    {
        if (m_hadZone)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }

    DueDateTestZone(const DueDateTestZone&) = delete;
    DueDateTestZone& operator=(const DueDateTestZone&) = delete;

private:
    bool m_hadZone;
    QByteArray m_previous;
};

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
