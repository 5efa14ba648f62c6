#include "Clock.h"

QDateTime Clock::now() const
{
    return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime();
}

QDate Clock::today() const
{
    return now().toLocalTime().date();
}

void Clock::setNow(const QDateTime& moment)
{
    m_fixed = moment;
}

void Clock::useSystemTime()
{
    m_fixed = QDateTime();
}
