#pragma once

#include <QDate>

class LRCalendarView;

// The listener of a calendar view: the calendar controller.
class LRCalendarViewDelegate
{
public:
    virtual ~LRCalendarViewDelegate() = default;

    // The entry selection changed (or was cleared).
    virtual void selectionDidChange(LRCalendarView* view) = 0;
    // The user (or a caller of setFocusDate) focused another day.
    virtual void dateFocused(const QDate& day) = 0;
};
