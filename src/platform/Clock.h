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

private:
    QDateTime m_fixed;
};
