#include "KNPopUpDatePicker.h"

#include "BWAccessibleFactory.h"
#include "MAAttachedWindow.h"
#include "LRCalendarView.h"
#include "platform/DateTemplate.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QEvent>
#include <QFocusEvent>

#include <algorithm>

namespace {

const QString valueBinding = QStringLiteral("value");
// How far from the field's left end the arrow points down at it.
constexpr qreal ArrowOffset = 24.0;

}  // namespace

KNPopUpDatePicker::KNPopUpDatePicker(QWidget* parent)
    : BWDateField(parent)
{
    // The form the lists write a day in, so that a date reads the same in
    // the field as in the row it came from.
    setDisplayFormat(DateTemplate::displayFormat(QStringLiteral("EEEMMMdyyyy")));
    connect(this, &BWDateField::dateChanged, this, [this](const QDate& date) {
        if (m_graphicalPicker)
            m_graphicalPicker->setSelectedDate(date);
    });
    connect(this, &QLineEdit::textEdited, this, &KNPopUpDatePicker::showTypedDateInCalendar);
}

// The calendar follows a date as it is typed; the field takes it only once
// the typing ends.
void KNPopUpDatePicker::showTypedDateInCalendar()
{
    if (!m_graphicalPicker)
        return;
    if (const std::optional<QDate> typed = typedDate())
        m_graphicalPicker->setSelectedDate(*typed);
}

// The bubble belongs to the top-level window, not to the field, so it goes
// away with the field explicitly.
KNPopUpDatePicker::~KNPopUpDatePicker()
{
    delete m_attachedWindow.data();
}

QCalendarWidget* KNPopUpDatePicker::graphicalPicker()
{
    attachedWindow();
    return m_graphicalPicker;
}

MAAttachedWindow* KNPopUpDatePicker::attachedWindow()
{
    if (m_attachedWindow)
        return m_attachedWindow;
    auto* calendar = new QCalendarWidget;
    calendar->setGridVisible(false);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Its weeks run as the overview's month calendar's do.
    calendar->setFirstDayOfWeek(LRCalendarView::FirstDayOfWeek);
    calendar->setSelectedDate(date());
    BWAccessibleFactory::nameCalendarPopup(calendar);
    calendar->resize(calendar->sizeHint());
    connect(calendar, &QCalendarWidget::clicked, this, &KNPopUpDatePicker::graphicalDatePickerdDidChooseDate);
    connect(calendar, &QCalendarWidget::activated, this, &KNPopUpDatePicker::graphicalDatePickerdDidChooseDate);
    m_graphicalPicker = calendar;
    m_attachedWindow = MAAttachedWindow::create(calendar, anchorPoint(), window(), BubbleSide, 0.0);
    m_attachedWindow->setBackgroundColor(Qt::white);
    // The keyboard stays in the field: a window manager that gave the bubble
    // the focus would take Tab and Return away from the field's form.
    m_attachedWindow->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    return m_attachedWindow;
}

bool KNPopUpDatePicker::isBubbleOpen() const
{
    return m_attachedWindow && m_attachedWindow->isVisible();
}

QPointF KNPopUpDatePicker::anchorPoint() const
{
    return mapTo(window(), QPointF(std::min<qreal>(width(), ArrowOffset), height()));
}

QPointF KNPopUpDatePicker::anchorPointAbove() const
{
    return mapTo(window(), QPointF(std::min<qreal>(width(), ArrowOffset), 0));
}

void KNPopUpDatePicker::focusInEvent(QFocusEvent* event)
{
    BWDateField::focusInEvent(event);
    openBubble();
}

// Losing focus to a pop-up menu, or to the bubble itself where a window
// manager makes it active when the user clicks into the calendar, keeps the
// bubble; moving the focus on within the window, or to another window,
// closes it.
void KNPopUpDatePicker::focusOutEvent(QFocusEvent* event)
{
    BWDateField::focusOutEvent(event);
    const bool toBubble = event->reason() == Qt::ActiveWindowFocusReason && m_attachedWindow
                          && QApplication::activeWindow() == m_attachedWindow;
    if (!toBubble && event->reason() != Qt::PopupFocusReason)
        closeBubble();
}

// A form that hides or closes (a popover, a page of a form) takes its
// field's calendar with it.
void KNPopUpDatePicker::hideEvent(QHideEvent* event)
{
    closeBubble();
    BWDateField::hideEvent(event);
}

// The bubble drops down below the field, or opens above it where the screen
// has no room below, and stays inside the screen's free area.
void KNPopUpDatePicker::openBubble()
{
    MAAttachedWindow* bubble = attachedWindow();
    bubble->setPointWithinScreen(anchorPoint(), anchorPointAbove(), BubbleSide);
    m_graphicalPicker->setSelectedDate(date());
    bubble->show();
    bubble->raise();
    window()->installEventFilter(this);
}

void KNPopUpDatePicker::closeBubble()
{
    window()->removeEventFilter(this);
    if (!m_attachedWindow)
        return;
    const bool bubbleWasActive = m_attachedWindow->isActiveWindow();
    m_attachedWindow->hide();
    if (bubbleWasActive && window()->isVisible())
        window()->activateWindow();
}

bool KNPopUpDatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // A bubble its window hid along with itself would come back with the
    // window: it is closed for good.
    if (watched == window() && event->type() == QEvent::Hide)
        closeBubble();
    else if (watched == window() && event->type() == QEvent::Resize && isBubbleOpen())
        m_attachedWindow->setPointWithinScreen(anchorPoint(), anchorPointAbove(), BubbleSide);
    return BWDateField::eventFilter(watched, event);
}

void KNPopUpDatePicker::graphicalDatePickerdDidChooseDate(const QDate& date)
{
    setDateValue(date);
    writeBoundValue();
}

void KNPopUpDatePicker::writeBoundValue()
{
    if (!m_observingObject || m_keyPathOnObservingObject.isEmpty())
        return;
    const QStringList keys = m_keyPathOnObservingObject.split(u'.');
    QObject* target = m_observingObject;
    for (qsizetype index = 0; target && index + 1 < keys.size(); ++index)
        target = target->property(keys.at(index).toUtf8().constData()).value<QObject*>();
    // A path through something that is not an object leads nowhere.
    if (target)
        target->setProperty(keys.last().toUtf8().constData(), date());
}

void KNPopUpDatePicker::bind(const QString& binding, QObject* object, const QString& keyPath)
{
    if (binding != valueBinding)
        return;
    m_observingObject = object;
    m_keyPathOnObservingObject = keyPath;
}

void KNPopUpDatePicker::unbind(const QString& binding)
{
    if (binding != valueBinding)
        return;
    m_observingObject = nullptr;
    m_keyPathOnObservingObject.clear();
}
