#pragma once

#include "LRCalendarCellDisplayDelegate.h"
#include "LRCalendarViewDelegate.h"

#include <QDateTime>
#include <QObject>
#include <QVariantList>

class LRCalendarControllerDelegate;
class LRCalendarView;
class QPlainTextEdit;

// The overview's handle on the month calendar: passes focus changes on as one
// message, highlights the day of a bill and clears the highlight. Its further
// actions serve optional controls beside the calendar.
class LRCalendarController : public QObject, public LRCalendarViewDelegate, public LRCalendarCellDisplayDelegate
{
    Q_OBJECT

public:
    // Becomes the calendar view's delegate. `logTextView` may be null.
    LRCalendarController(LRCalendarView* calendarView, QPlainTextEdit* logTextView = nullptr,
                         QObject* parent = nullptr);

    LRCalendarView* calendarView() const { return m_calendarView; }
    void setDelegate(LRCalendarControllerDelegate* delegate) { m_delegate = delegate; }
    LRCalendarControllerDelegate* delegate() const { return m_delegate; }

    // Moves the calendar to the day of `dueDate` and tints it.
    void highlightDate(const QDateTime& dueDate);
    // Back to today without telling the delegate.
    void deselectAllDates();
    // Draws the days shown again, with the marks of the bills as they stand.
    void redraw();

    // The title of the control's selected item chooses: "Show Weekends",
    // "Hide Weekends"; "Weekly View", "Monthly View". Other titles do nothing.
    void toggleWeekends(const QString& selectedTitle);
    void toggleView(const QString& selectedTitle);
    // Marks each record's due day with the small variant of its own icon.
    void addBillsToCalendar(const QVariantList& bills);
    void addExampleEvents();
    void removeAllEvents();
    // Appends the selected (just moved) entry to the log view.
    void eventDidMove();

    void dateFocused(const QDate& day) override;
    void selectionDidChange(LRCalendarView* view) override;
    void willDisplayCell(LRCalendarDayCell* table, QTableWidgetItem* item, int row) override;

private:
    LRCalendarView* m_calendarView;
    QPlainTextEdit* m_logTextView;
    LRCalendarControllerDelegate* m_delegate = nullptr;
};
