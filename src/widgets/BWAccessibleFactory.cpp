#include "BWAccessibleFactory.h"

#include "BWAccessibleCalendar.h"
#include "BWAccessibleKit.h"
#include "BWAccessiblePieChart.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QToolButton>
#include <QWidget>

void BWAccessibleFactory::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&BWAccessibleFactory::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface* BWAccessibleFactory::create(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == u"LRCalendarDayCell")
        return new BWAccessibleCalendarDay(widget);
    if (className == u"LRCalendarView")
        return new BWAccessibleCalendar(widget);
    if (className == u"PieChart")
        return new BWAccessiblePieChart(widget);
    if (className == u"BWBarGraphView" || className == u"BWGraphCellView")
        return new BWAccessiblePicture(widget, QAccessible::Chart);
    if (className == u"MAAttachedWindow")
        return new BWAccessiblePicture(widget, QAccessible::Dialog);
    if (className == u"BGHUDStepper")
        return new BWAccessibleStepper(widget);
    if (className == u"BGHUDSegmentedControl")
        return new BWAccessibleSegmentedControl(widget);
    return nullptr;
}

void BWAccessibleFactory::nameCalendarPopup(QCalendarWidget* calendar)
{
    calendar->setAccessibleName(tr("Choose Date"));
    // The week numbers' column leaves a corner cell with nothing to read.
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    if (auto* days = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview")))
        days->setAccessibleName(tr("Days"));
    const std::pair<const char*, QString> arrows[]
        = {{"qt_calendar_prevmonth", tr("Previous Month")}, {"qt_calendar_nextmonth", tr("Next Month")}};
    for (const auto& [objectName, name] : arrows) {
        if (auto* arrow = calendar->findChild<QToolButton*>(QLatin1String(objectName)))
            arrow->setAccessibleName(name);
    }
}
