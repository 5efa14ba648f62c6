#pragma once

#include <QByteArray>
#include <ctime>

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
