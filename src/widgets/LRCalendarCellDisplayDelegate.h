#pragma once

class LRCalendarDayCell;
class QTableWidgetItem;

// Optional restyler of the selected entry rows of the calendar's day tables.
class LRCalendarCellDisplayDelegate
{
public:
    virtual ~LRCalendarCellDisplayDelegate() = default;

    // Called for a selected entry row (row >= 1) each time it is styled.
    virtual void willDisplayCell(LRCalendarDayCell* table, QTableWidgetItem* item, int row) = 0;
};
