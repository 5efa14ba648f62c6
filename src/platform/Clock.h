#pragma once

#include <QDateTime>
#include <QTimeZone>

// The time source of the program. It tells system time unless a fixed moment
// was set, which tests use to stand on a known day.
class Clock
{
public:
    QDateTime now() const;
    // Local calendar date of now().
    QDate today() const;

    void setNow(const QDateTime& moment);
    void useSystemTime();

    // Keeps now() at one reading of the system clock while it lives, so that
    // work asking for now() per record (a load, the side bar's figures) reads
    // the clock once and figures every record against the same moment. A
    // fixed moment set meanwhile still counts; holds may nest. Holding no
    // clock does nothing.
    class Hold
    {
    public:
        explicit Hold(Clock* clock);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Clock* m_clock;
        bool m_outermost;
    };

private:
    QDateTime m_fixed;
    QDateTime m_held;
};
