// The calendar by keyboard: the view itself takes the focus (its day tables
// do not), and the keys move its focused day.

#include "LRCalendarView.h"

#include "LRCalendarDayCell.h"

#include <QAccessible>
#include <QKeyEvent>

void LRCalendarView::keyPressEvent(QKeyEvent* event)
{
    const QDate day = m_focusDate;
    switch (event->key()) {
    case Qt::Key_Left:
        moveFocusDateTo(day.addDays(-1));
        break;
    case Qt::Key_Right:
        moveFocusDateTo(day.addDays(1));
        break;
    case Qt::Key_Up:
        moveFocusDateTo(day.addDays(-7));
        break;
    case Qt::Key_Down:
        moveFocusDateTo(day.addDays(7));
        break;
    case Qt::Key_PageUp:
        moveFocusDateTo(day.addMonths(-1));
        break;
    case Qt::Key_PageDown:
        moveFocusDateTo(day.addMonths(1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (LRCalendarDayCell* cell = shownCellOf(day))
            doubleClicked(cell);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LRCalendarView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    showFocusedDay();
}

void LRCalendarView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    showFocusedDay();
}

void LRCalendarView::moveFocusDateTo(const QDate& day)
{
    setFocusDate(day);
    // Past the shown month or week the grid is laid out anew.
    drawCalendar();
    showFocusedDay();
}

void LRCalendarView::showFocusedDay()
{
    for (LRCalendarDayCell* cell : m_cells)
        cell->viewport()->update();
    LRCalendarDayCell* focused = shownCellOf(m_focusDate);
    if (focused && hasFocus()) {
        QAccessibleEvent read(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&read);
    }
}

LRCalendarDayCell* LRCalendarView::shownCellOf(const QDate& day) const
{
    for (LRCalendarDayCell* cell : m_cells) {
        if (cell->date() == day && !cell->isHidden())
            return cell;
    }
    return nullptr;
}
