#include "BWFocusReturn.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

void BWFocusReturn::install(QWidget* popover)
{
    popover->installEventFilter(new BWFocusReturn(popover));
}

BWFocusReturn::BWFocusReturn(QWidget* popover)
    : QObject(popover)
    , m_popover(popover)
{
}

bool BWFocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_popover)
        return false;
    if (event->type() == QEvent::Show) {
        QWidget* focused = QApplication::focusWidget();
        if (focused && !m_popover->isAncestorOf(focused))
            m_origin = focused;
    } else if (event->type() == QEvent::Hide && m_origin) {
        const QPointer<QWidget> origin = m_origin;
        m_origin.clear();
        // A focus the user already took elsewhere stays there.
        QWidget* focused = QApplication::focusWidget();
        const bool focusInPopover = !focused || focused == m_popover || m_popover->isAncestorOf(focused);
        if (focusInPopover && origin->isVisible() && origin->isEnabled()) {
            // A popover closed because the user went to another of our
            // windows leaves that window active.
            QWidget* active = QApplication::activeWindow();
            if (!active || active == m_popover)
                origin->window()->activateWindow();
            origin->setFocus(Qt::PopupFocusReason);
        }
    }
    return false;
}
