#pragma once

#include <QDate>

// The overview screen listens to the calendar through this.
class LRCalendarControllerDelegate
{
public:
    virtual ~LRCalendarControllerDelegate() = default;

    // The calendar focused a new day.
    virtual void calendarDateSelected(const QDate& day) = 0;
};
