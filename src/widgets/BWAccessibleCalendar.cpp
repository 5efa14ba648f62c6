#include "BWAccessibleCalendar.h"

#include "LRCalendarDayCell.h"
#include "LRCalendarView.h"
#include "platform/DateTemplate.h"

#include <QLabel>
#include <QLocale>

namespace {

LRCalendarDayCell* dayCell(QObject* object)
{
    return static_cast<LRCalendarDayCell*>(object);
}

}  // namespace

BWAccessibleCalendar::BWAccessibleCalendar(QWidget* calendar)
    : QAccessibleWidget(calendar, QAccessible::Grouping)
{
}

QString BWAccessibleCalendar::text(QAccessible::Text which) const
{
    const QString own = QAccessibleWidget::text(which);
    if (which != QAccessible::Name || !own.isEmpty())
        return own;
    const auto* calendar = static_cast<LRCalendarView*>(object());
    return tr("Calendar, %1").arg(calendar->currentMonthField()->text());
}

BWAccessibleCalendarDay::BWAccessibleCalendarDay(QWidget* day)
    : QAccessibleWidget(day, QAccessible::Cell)
{
}

QString BWAccessibleCalendarDay::reading(const QDate& day, const QString& billNames)
{
    const QString date = DateTemplate::formatDay(day, QStringLiteral("MMMMd"));
    if (billNames.isEmpty())
        return date;
    const QString names = QLocale().createSeparatedList(billNames.split(QStringLiteral(", ")));
    return tr("%1, %2 due").arg(date, names);
}

QString BWAccessibleCalendarDay::text(QAccessible::Text which) const
{
    const LRCalendarDayCell* day = dayCell(object());
    switch (which) {
    case QAccessible::Name:
        return reading(day->date(), day->tip());
    case QAccessible::Description:
        // The tool tip repeats the bill names the name already reads.
        return day->isDayEnabled() && day->tag() == 1 ? QString() : tr("Another month");
    default:
        return QAccessibleWidget::text(which);
    }
}

QAccessible::State BWAccessibleCalendarDay::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const LRCalendarDayCell* day = dayCell(object());
    const bool focusedDay = day->superView() && day->superView()->focusDate() == day->date();
    state.selectable = true;
    state.selected = focusedDay;
    // The calendar's keys move among its days: the focused day is where
    // they are while the calendar has the keyboard.
    state.focusable = true;
    state.focused = focusedDay && day->superView()->hasFocus();
    return state;
}

QStringList BWAccessibleCalendarDay::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void BWAccessibleCalendarDay::doAction(const QString& action)
{
    LRCalendarDayCell* day = dayCell(object());
    if (action == pressAction() && day->superView())
        day->superView()->setFocusDate(day->date());
    else
        QAccessibleWidget::doAction(action);
}
