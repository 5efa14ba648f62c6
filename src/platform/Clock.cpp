#include "Clock.h"

QDateTime Clock::now() const
{
    if (m_fixed.isValid())
        return m_fixed;
    return m_held.isValid() ? m_held : QDateTime::currentDateTime();
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

Clock::Hold::Hold(Clock* clock)
    : m_clock(clock)
    , m_outermost(clock && !clock->m_held.isValid())
{
    if (m_outermost)
        m_clock->m_held = QDateTime::currentDateTime();
}

Clock::Hold::~Hold()
{
    if (m_outermost)
        m_clock->m_held = QDateTime();
}
