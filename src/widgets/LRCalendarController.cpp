#include "LRCalendarController.h"

#include "LRCalendarAppDelegate.h"
#include "LRCalendarControllerDelegate.h"
#include "LRCalendarView.h"

#include <QDebug>
#include <QPlainTextEdit>
#include <QTableWidgetItem>

#include "platform/Clock.h"

namespace {

QDate localDay(const QDateTime& moment)
{
    return moment.isValid() ? moment.toLocalTime().date() : QDate();
}

QString describe(const QVariant& object)
{
    QString text;
    QDebug(&text).noquote().nospace() << object;
    return text;
}

}  // namespace

LRCalendarController::LRCalendarController(LRCalendarView* calendarView, QPlainTextEdit* logTextView,
                                           QObject* parent)
    : QObject(parent), m_calendarView(calendarView), m_logTextView(logTextView)
{
    m_calendarView->setDelegate(this);
}

void LRCalendarController::dateFocused(const QDate& day)
{
    if (m_delegate)
        m_delegate->calendarDateSelected(day);
}

void LRCalendarController::selectionDidChange(LRCalendarView*)
{
}

void LRCalendarController::highlightDate(const QDateTime& dueDate)
{
    m_calendarView->deselectAll();
    m_calendarView->selectObject(QVariant(), localDay(dueDate));
    m_calendarView->drawCalendar();
}

void LRCalendarController::deselectAllDates()
{
    m_calendarView->deselectAll();
    m_calendarView->setFocusDateWithoutHighlight(m_calendarView->clock().today());
    m_calendarView->drawCalendar();
}

void LRCalendarController::redraw()
{
    m_calendarView->drawCalendar();
}

void LRCalendarController::toggleWeekends(const QString& selectedTitle)
{
    if (selectedTitle == QLatin1String("Show Weekends"))
        m_calendarView->setHiddenWeekends(0);
    else if (selectedTitle == QLatin1String("Hide Weekends"))
        m_calendarView->setHiddenWeekends(1);
}

void LRCalendarController::toggleView(const QString& selectedTitle)
{
    if (selectedTitle == QLatin1String("Weekly View"))
        m_calendarView->setWeeklyView();
    else if (selectedTitle == QLatin1String("Monthly View"))
        m_calendarView->setMonthlyView();
}

void LRCalendarController::addBillsToCalendar(const QVariantList& bills)
{
    for (const QVariant& bill : bills) {
        const QVariantMap record = bill.toMap();
        m_calendarView->highlightDateDue(localDay(record.value(LRCalendarRecordKeys::DueDate).toDateTime()),
                                         record.value(LRCalendarRecordKeys::Name).toString(),
                                         record.value(LRCalendarRecordKeys::Icon).toString(),
                                         record.value(LRCalendarRecordKeys::Bid).toString());
    }
}

void LRCalendarController::addExampleEvents()
{
    const QDate today = m_calendarView->clock().today();
    m_calendarView->addObject(1, QStringLiteral("Yesterday!"), today.addDays(-1));
    m_calendarView->addObject(QVariantMap{{QStringLiteral("Number"), 2}},
                              QStringLiteral("Today! Today! Today! Today! Today! Today! Today! Today! Today!"),
                              today);
    m_calendarView->addObject(QVariantList{3, 4, 5}, QStringLiteral("Today 2!"), today);
    m_calendarView->addObject(QVariant(), QStringLiteral("Tomorrow!"), today.addDays(1));
}

void LRCalendarController::removeAllEvents()
{
    m_calendarView->removeAllObjects();
}

void LRCalendarController::eventDidMove()
{
    if (!m_logTextView)
        return;
    m_logTextView->setReadOnly(false);
    QString log = QStringLiteral("\n--- event was moved ---\n");
    log += QStringLiteral("Title: ") + m_calendarView->selectedTitle() + QStringLiteral("\n");
    log += QStringLiteral("Date: ") + m_calendarView->selectedDate().toString(Qt::ISODate) + QStringLiteral("\n");
    const QVariant object = m_calendarView->selectedObject();
    if (object.isValid())
        log += QStringLiteral("Object: ") + QString::fromLatin1(object.typeName()) + QStringLiteral("  -  ")
               + describe(object) + QStringLiteral("\n");
    m_logTextView->insertPlainText(log);
    m_logTextView->setReadOnly(true);
    m_logTextView->setTextInteractionFlags(Qt::NoTextInteraction);
}

void LRCalendarController::willDisplayCell(LRCalendarDayCell*, QTableWidgetItem* item, int)
{
    if (item->isSelected())
        item->setForeground(Qt::red);
}
